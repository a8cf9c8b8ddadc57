#include "bench/BenchEngine.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "tests/support/RecordingFont.h"
#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>

// Eight fighters built by hand, four a side as the computer sees sides: the first four
// (the only ones it attacks) and the last four.
class EndlessBattleTest : public ::testing::Test {
protected:
    EndlessBattleTest() {
        battle.font = std::make_unique<RecordingFont>();
        for (int n = 0; n < 8; ++n) {
            battle.fighters.push_back(std::make_unique<Fighter>());
            Fighter& f = *battle.fighters.back();
            f.team = n < 4 ? 1 : 2;
            f.x = 40.0f + 16.0f * static_cast<float>(n % 4);
            f.y = n < 4 ? 40.0f : 60.0f;
            f.speed = 12;
            f.hitPoints = 30;
            f.meleeSkill = 8;
            f.missileSkill = 5;
        }
        Random::Seed(7);
    }

    void Kill(std::initializer_list<int> which) {
        for (int n : which) {
            battle.fighters[n]->dead = true;
            battle.fighters[n]->hitPoints = 0;
        }
    }

    ScopedEngine engine;
    BattleState battle;
};

// Restarting early would measure only openings; never restarting, a field of the dead.
TEST_F(EndlessBattleTest, ASideIsDefeatedOnlyWhenAllFourAreDeadAndRestartRevivesAll) {
    EndlessBattle endless(battle);
    Kill({0, 1, 2, 5, 6, 7});
    EXPECT_FALSE(endless.SideDefeated()); // fighters 4 and 5 still stand
    Kill({3});
    EXPECT_TRUE(endless.SideDefeated());

    Fighter& walker = *battle.fighters[4];
    walker.x = 100.0f;
    walker.countdown = 8;
    walker.target = battle.fighters[0].get();
    battle.missiles.push_back(Missile{});
    battle.decisionQueue.assign(1, battle.fighters[2].get());
    battle.awaitingOrder = true;
    battle.phase = 7;
    endless.Step();
    EXPECT_EQ(endless.restarts, 1);
    EXPECT_FLOAT_EQ(walker.x, 40.0f);
    EXPECT_EQ(walker.countdown, 0);
    EXPECT_EQ(walker.target, nullptr);
    EXPECT_FALSE(battle.fighters[1]->dead);
    EXPECT_EQ(battle.fighters[1]->hitPoints, 30);
    EXPECT_TRUE(battle.missiles.empty());
    // The stale question is gone; the new phase 1 asks the first fighter.
    ASSERT_TRUE(battle.awaitingOrder);
    EXPECT_EQ(battle.decisionQueue.front(), battle.fighters[0].get());
    EXPECT_EQ(battle.phase, 1);
}

// Nobody is left on the player's side, so no step ever waits for a player; the fighting
// goes on through restarts.
TEST_F(EndlessBattleTest, ALongBattleKeepsFightingAndRestarts) {
    EndlessBattle endless(battle);
    int64_t actions = 0;
    for (int step = 0; step < 20000; ++step) {
        actions += endless.Step();
        if (battle.awaitingOrder && !battle.decisionQueue.empty()) {
            ASSERT_NE(battle.decisionQueue.front()->team, 1) << "step " << step;
        }
    }
    EXPECT_GT(actions, 10000);
    EXPECT_GT(endless.restarts, 0);
}
