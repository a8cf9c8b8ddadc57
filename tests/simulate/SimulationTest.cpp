#include "battle/Fighter.h"
#include "battle/GameFiles.h"
#include "simulate/SimulationReport.h"
#include "sound/SoundSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

// The shipped fighters, loaded by the game's own loader from a copy of the game folder
// (loading appends to the folder's run log). The rules' sounds play nothing.
class SimulationTest : public ::testing::Test {
protected:
    SimulationTest() {
        gSound = &silence;
        TempDir dir;
        dir.CopyFrom(VORNAK_GAME_DIR);
        fighters.resize(GameFiles::kFighterCount);
        for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
            fighters[n - 1].Init(GameFiles::FighterFile(n));
        }
    }
    ~SimulationTest() override { gSound = nullptr; }

    SimulationReport Simulate(int64_t battles, uint64_t seed, int32_t jobs, int32_t turns = 500,
                              bool team1Plans = false) {
        SimulationReport report;
        report.options = {battles, seed, jobs, turns, team1Plans};
        report.totals = Simulation::Run(fighters, report.options);
        report.fighters.resize(fighters.size()); // the JSON lists each fighter's figures
        return report;
    }

    SoundSystem silence; // never started
    std::vector<Fighter> fighters;
};

// Every death is someone's kill and every hit point the player's side takes away is one
// the other side loses.
TEST_F(SimulationTest, TheSameSeedGivesTheSameRunOnAnyJobsTheTotalsAddUpAndTheTurnLimitMakesDraws) {
    const SimulationReport one = Simulate(300, 7, 1);
    EXPECT_EQ(one.Json(), Simulate(300, 7, 2).Json());
    EXPECT_NE(one.Json(), Simulate(300, 8, 2).Json());
    // The planner decides from each battle's own dice: the same on any jobs, not the rule.
    // A few turns of a few battles: each planned decision plays many battles itself.
    const std::string planned = Simulate(2, 7, 1, 4, true).Json();
    EXPECT_EQ(planned, Simulate(2, 7, 2, 4, true).Json());
    EXPECT_NE(planned, Simulate(2, 7, 1, 4).Json());

    const SimulationTotals& t = one.totals;
    EXPECT_EQ(t.battles, 300);
    EXPECT_EQ(t.team1Wins + t.othersWins + t.draws, t.battles);
    EXPECT_GT(t.team1Wins, 0); // battles differ: each side wins some, and so kills and hurts
    EXPECT_GT(t.othersWins, 0);
    int64_t kills = 0, deaths = 0, dealtByTeam1 = 0, takenByOthers = 0;
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const FighterTally& f = t.fighters[i];
        kills += f.kills;
        deaths += t.battles - f.survived;
        if (fighters[i].team == 1) {
            dealtByTeam1 += f.dealt;
        } else {
            takenByOthers += f.taken;
        }
    }
    EXPECT_EQ(kills, deaths);
    EXPECT_EQ(dealtByTeam1, takenByOthers);

    // Nobody can walk across the field or prepare a shot within one turn.
    const SimulationTotals capped = Simulate(100, 3, 2, 1).totals;
    EXPECT_EQ(capped.draws, 100);
    EXPECT_EQ(capped.MeanTurns(), 1.0);
}

// The Wilson interval, never 0 to 0 as the plain one says for no wins.
TEST(SimulationFigures, WilsonIntervalOnWorkedExamples) {
    double low = 0, high = 0;
    SimulationReport::WilsonInterval(0, 10, low, high);
    EXPECT_EQ(low, 0.0);
    EXPECT_NEAR(high, 0.2775, 1e-4);
}

// The fields of the JSON object and the CSV rows, on a run small enough to add up by hand.
TEST(SimulationFigures, JsonAndCsvCarryEveryFieldOnAWorkedExample) {
    SimulationReport report;
    report.options = {4, 9, 2, 30};
    // Four battles: one won, two lost, one drawn; the median is of the middle two.
    report.totals = {4, 1, 2, 1, {{10, 2}, {20, 1}, {60, 1}}, {{{2, 30, 10}, 3}, {{1, 10, 30}, 1}}};
    report.fighters = {{"NPCs/fighter1.cfg", "Ann, \"the Bold\"", 1}, {"NPCs/f2.cfg", "Bo", 3}};
    report.othersTeam = 3;
    const std::string json = report.Json();
    for (const char* piece :
         {"\"battles\": 4,\n  \"seed\": 9,\n  \"turn_limit\": 30,\n  \"draws\": 1,",
          "{\"team\": 3, \"wins\": 2, \"win_rate\": 0.5000, \"win_rate_low\": 0.1500",
          "\"turns\": {\"mean\": 25.00, \"median\": 15.0}",
          "\"name\": \"Ann, \\\"the Bold\\\"\", \"team\": 1, \"kills\": 0.5000,"}) {
        EXPECT_NE(json.find(piece), std::string::npos) << piece << "\n" << json;
    }
    EXPECT_EQ(report.Csv(), "file,name,team,kills,damage_dealt,damage_taken,survival_rate\n"
                            "NPCs/fighter1.cfg,\"Ann, \"\"the Bold\"\"\",1,0.5000,7.5000,2.5000,"
                            "0.7500\n"
                            "NPCs/f2.cfg,Bo,3,0.2500,2.5000,7.5000,0.2500\n");
}
