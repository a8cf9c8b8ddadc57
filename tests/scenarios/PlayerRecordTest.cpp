#include "scenarios/PlayerRecord.h"
#include "platform/AtomicFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Shown(const std::vector<PlayerRecord::Entry>& entries) {
    std::string text;
    for (const auto& entry : entries) {
        text += entry.battle + (entry.won ? " won in " : " lost in ") +
                std::to_string(entry.turns) + " on " + entry.date + "; ";
    }
    return text;
}

} // namespace

TEST(PlayerRecord, SumsEachBattleAndKeepsTheFewestTurnsToAVictory) {
    TempDir dir;
    ASSERT_TRUE(PlayerRecord::Append({"ridge", false, 9, "2026-12-09 03:00"}));
    ASSERT_TRUE(PlayerRecord::Append({"ridge", true, 31, "2026-12-09 03:10"}));
    ASSERT_TRUE(PlayerRecord::Append({"ridge", true, 24, "2026-12-09 03:20"}));
    const auto summaries = PlayerRecord::Summarise(PlayerRecord::Read());
    EXPECT_EQ(PlayerRecord::Describe(summaries.at("ridge")), "Fought 3, won 2, best 24 turns");
    EXPECT_EQ(PlayerRecord::Describe({1, 0, 0}), "Fought 1, won 0");
    EXPECT_EQ(PlayerRecord::Describe({}), "Not fought yet");
}

TEST(PlayerRecord, AWriteCutShortOrATornLineNeverCostsWhatWasRecorded) {
    TempDir dir;
    ASSERT_TRUE(PlayerRecord::Append({"ford", true, 12, "2026-12-09 03:00"}));
    ASSERT_TRUE(PlayerRecord::Append({"gate\tx", false, 7, "2026-12-09 03:05"}));
    const std::string before = Shown(PlayerRecord::Read());
    EXPECT_EQ(before, "ford won in 12 on 2026-12-09 03:00; gate x lost in 7 on 2026-12-09 03:05; ");

    // Killed after 20 bytes of the new file: the record is as it was, the half-written
    // file beside it is not read, and the next battle is added to the whole record.
    AtomicFile::StopAfterForTesting(20);
    EXPECT_FALSE(PlayerRecord::Append({"moor", true, 3, "2026-12-09 03:10"}));
    EXPECT_EQ(Shown(PlayerRecord::Read()), before);
    ASSERT_TRUE(PlayerRecord::Append({"moor", true, 3, "2026-12-09 03:11"}));
    EXPECT_EQ(Shown(PlayerRecord::Read()), before + "moor won in 3 on 2026-12-09 03:11; ");

    // Lines from elsewhere that do not read, and a last line without its end, are skipped.
    dir.Write(PlayerRecord::kFile,
              "ford\tvictory\t12\t2026-12-09 03:00\nford\tdraw\t5\tx\n"
              "ford\tdefeat\tmany\tx\n\tdefeat\t5\tx\nford\tdefeat\t5\t2026-1");
    EXPECT_EQ(Shown(PlayerRecord::Read()), "ford won in 12 on 2026-12-09 03:00; ");
    // A record that cannot be replaced (a folder stands there) is left alone.
    std::filesystem::create_directories("taken");
    EXPECT_FALSE(PlayerRecord::Append({"ford", true, 1, ""}, "taken"));
}
