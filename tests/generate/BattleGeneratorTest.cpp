#include "generate/BattleGenerator.h"
#include "check/CheckReport.h"
#include "generate/TuningCandidate.h"
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

// A whole tuning, within the battles that keep it to a second: the check finds nothing in
// the files, team 1 wins near the aim, also over battles the tuning never looked at (seed
// 10's search lands steps above the aim); made twice from its seed (on a twentieth of the
// battles, quickly), a battle's files are the same.
TEST(BattleGenerator, MakesTheSameCheckCleanBattleNearItsAimFromASeed) {
    TempDir dir;
    using Difficulty = BattleGenerator::Difficulty;
    std::string problem;
    const Difficulty difficulty = Difficulty::Hard; // normal: the same with another aim
    const double aim = BattleGenerator::kAims[static_cast<int>(difficulty)];
    const std::string folder = BattleGenerator::kDifficulties[static_cast<int>(difficulty)];
    const BattleGenerator::Battle battle = BattleGenerator::Make(10, difficulty);
    ASSERT_TRUE(BattleGenerator::Write(battle, folder, problem)) << problem;
    EXPECT_NEAR(battle.winRate, aim, 0.04);
    EXPECT_LE(battle.played, 13000);

    PathResolver::ClearCache();
    CheckReport report;
    BattleFolderCheck::Run(report, folder, nullptr);
    EXPECT_EQ(report.Text(), "");

    const int64_t wins = BattleGenerator::Team1Wins(battle.fighters, 5000, 6000); // unseen
    EXPECT_LT(std::fabs(static_cast<double>(wins) / 1000 - aim), 0.08);

    // Made twice more from its seed on a twentieth of the battles (quickly): the same files.
    ASSERT_TRUE(
        BattleGenerator::Write(BattleGenerator::Make(11, Difficulty::Hard, 5), "again", problem));
    ASSERT_TRUE(
        BattleGenerator::Write(BattleGenerator::Make(11, Difficulty::Hard, 5), "twice", problem));
    EXPECT_EQ(Files(dir, "again"), Files(dir, "twice"));
}

// A candidate is judged by its difference from a reference on the battles both played,
// moved onto all the reference's battles; against one played no longer, by its own.
TEST(TuningCandidate, EstimatesFromItsDifferenceToALongerReference) {
    const TuningCandidate reference({}, {true, true, false, false, false, false});
    EXPECT_DOUBLE_EQ(TuningCandidate({}, {true, false}).Estimate(reference), 1.0 / 3 - 0.5);
    EXPECT_DOUBLE_EQ(TuningCandidate({}, {true, true, true}).Estimate(reference),
                     1.0 / 3 + 1.0 / 3);
    const TuningCandidate same({}, {false, true, true, true, false, false});
    EXPECT_DOUBLE_EQ(same.Estimate(reference), 0.5);
}
