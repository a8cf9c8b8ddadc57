#include "engine/Kernel.h"
#include "saving/BattleSession.h"
#include "tests/saving/SavingFixture.h"

#include <algorithm>

namespace fs = std::filesystem;

// A battle whose decisions come some frames late, with the computer taking four steps a
// frame, ends and leaves its replay, which plays the same battle again line for line; a
// changed die, a lost order, other fighters or another end is found.
TEST_F(SavingFixture, AReplayReproducesTheBattleAndNamesWhereItWentAnotherWay) {
    gKernel->options.speed = 4;
    auto original = Start();
    PlayToEnd(*original, 3);
    const Recording recording = Replay();
    BattleState played;
    EXPECT_EQ(Verify(recording, played), "");
    EXPECT_EQ(played.history, original->history);

    std::size_t order = 0;
    Recording changed = recording;
    for (std::size_t i = 0; i < recording.steps.size(); ++i) {
        order = recording.steps[i].kind == Recording::Step::Kind::Order ? i : order;
        for (int32_t& value : changed.steps[i].dice) {
            value += 1;
        }
    }
    EXPECT_NE(Verify(changed, played).find("went another way at turn "), std::string::npos);
    changed = recording;
    changed.steps.erase(changed.steps.begin() + static_cast<std::ptrdiff_t>(order));
    EXPECT_NE(Verify(changed, played).find("the recording has"), std::string::npos);
    changed = recording;
    changed.steps.back().digest ^= 1;
    EXPECT_NE(Verify(changed, played).find("the fighters stand otherwise"), std::string::npos);
    changed = recording;
    changed.turns += 1;
    EXPECT_EQ(Verify(changed, played).find("went another way at the end: the recording says"), 0u);
}

// The newest replays are kept, the oldest removed, and nothing but replays.
TEST_F(SavingFixture, TheNewestReplaysAreKept) {
    dir.Write("r/old.vrp.bad", "x");
    std::vector<std::string> written;
    for (std::size_t i = 0; i < BattleSession::kReplaysKept + 2; ++i) {
        written.push_back(BattleSession::WriteReplay(Recording{}, "r"));
    }
    EXPECT_EQ(std::count_if(fs::directory_iterator("r"), fs::directory_iterator(),
                            [](const auto& entry) { return entry.path().extension() == ".vrp"; }),
              static_cast<std::ptrdiff_t>(BattleSession::kReplaysKept));
    EXPECT_FALSE(fs::exists(written[1]));
    EXPECT_TRUE(fs::exists(written[2]) && fs::exists("r/old.vrp.bad"));
}
