#include "generate/BattleGenerator.h"
#include "check/CheckReport.h"
#include "platform/PathResolver.h"
#include "scenarios/BattleFolderCheck.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string Files(const TempDir& dir, const std::string& folder) {
    std::string text = dir.Read(folder + "/battle.cfg");
    for (int n = 1; n <= 8; ++n) {
        text += dir.Read(folder + "/NPCs/fighter" + std::to_string(n) + ".cfg");
    }
    return text;
}

} // namespace

// Each difficulty once: the check finds nothing in the files, and team 1 wins near the aim
// over battles the tuning never looked at; made again, the files are the same.
TEST(BattleGenerator, MakesTheSameCheckCleanBattleNearItsAimFromASeed) {
    TempDir dir;
    using Difficulty = BattleGenerator::Difficulty;
    for (const Difficulty difficulty : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
        const double aim = BattleGenerator::kAims[static_cast<int>(difficulty)];
        SCOPED_TRACE(aim);
        std::string problem;
        const BattleGenerator::Battle battle = BattleGenerator::Make(11, difficulty);
        ASSERT_TRUE(BattleGenerator::Write(battle, "a", problem)) << problem;
        if (difficulty == Difficulty::Normal) {
            ASSERT_TRUE(
                BattleGenerator::Write(BattleGenerator::Make(11, difficulty), "b", problem));
            EXPECT_EQ(Files(dir, "a"), Files(dir, "b"));
        }
        EXPECT_NE(Files(dir, "a").find("seed 11"), std::string::npos) << "the line names it";
        EXPECT_NEAR(battle.winRate, aim, 0.03);

        PathResolver::ClearCache();
        CheckReport report;
        BattleFolderCheck::Run(report, "a", nullptr);
        EXPECT_EQ(report.Text(), "");

        constexpr int64_t kUnseen = 2000;
        const int64_t wins = BattleGenerator::Team1Wins(battle.fighters, 5000, 5000 + kUnseen);
        EXPECT_LT(std::fabs(static_cast<double>(wins) / kUnseen - aim), 0.05);
    }
    BattleGenerator::Difficulty parsed = Difficulty::Normal;
    EXPECT_TRUE(BattleGenerator::ParseDifficulty("hard", parsed));
    EXPECT_EQ(parsed, Difficulty::Hard);
    EXPECT_FALSE(BattleGenerator::ParseDifficulty("Hard", parsed));
}
