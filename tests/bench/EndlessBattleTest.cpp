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
            f.name = "F" + std::to_string(n + 1);
            f.team = n < 4 ? 1 : 2;
            f.x = 40.0f + 16.0f * static_cast<float>(n % 4);
            f.y = n < 4 ? 40.0f : 60.0f;
            f.speed = 12;
            f.hitPoints = f.maxHitPoints = 30;
            f.meleeSkill = 8;
            f.missileSkill = 5;
        }
        Random::Seed(7);
    }

    Fighter& At(int n) { return *battle.fighters[static_cast<std::size_t>(n)]; }
    void Kill(int n) {
        At(n).dead = true;
        At(n).hitPoints = 0;
    }
    void HoldAll() {
        for (auto& fighter : battle.fighters) {
            fighter->order = OrderCode::Hold;
        }
    }

    ScopedEngine engine;
    BattleState battle;
};

TEST_F(EndlessBattleTest, NobodyIsLeftOnThePlayersSide) {
    At(5).team = 3; // already the computer's: stays as it is
    EndlessBattle endless(battle);
    for (int n = 0; n < 8; ++n) {
        EXPECT_NE(At(n).team, 1) << "fighter " << n + 1;
    }
    EXPECT_EQ(At(5).team, 3);
}

TEST_F(EndlessBattleTest, ASideIsDefeatedOnlyWhenAllFourAreDead) {
    EndlessBattle endless(battle);
    Kill(0);
    Kill(1);
    Kill(2);
    Kill(5);
    Kill(6);
    Kill(7);
    EXPECT_FALSE(endless.SideDefeated()); // fighters 4 and 5 still stand

    Kill(3);
    EXPECT_TRUE(endless.SideDefeated());

    for (auto& fighter : battle.fighters) {
        fighter->dead = false;
    }
    Kill(4);
    Kill(5);
    Kill(6);
    Kill(7);
    EXPECT_TRUE(endless.SideDefeated());
}

TEST_F(EndlessBattleTest, RestartBringsBackTheBattleAsLoaded) {
    EndlessBattle endless(battle);
    Fighter& walker = At(4);
    walker.x = 100.0f;
    walker.y = 120.0f;
    walker.hitPoints = 4;
    walker.order = OrderCode::ApproachMeleeRepeat;
    walker.countdown = walker.countdownStart = 8;
    walker.destX = walker.destY = 50.0f;
    walker.target = &At(0);
    Kill(1);
    battle.missiles.push_back(Missile{});
    battle.decisionQueue.assign(1, &At(2));
    battle.awaitingOrder = true;
    battle.phase = 7;

    endless.Restart();

    EXPECT_FLOAT_EQ(walker.x, 40.0f);
    EXPECT_FLOAT_EQ(walker.y, 60.0f);
    EXPECT_EQ(walker.hitPoints, 30);
    EXPECT_EQ(walker.order, OrderCode::None);
    EXPECT_EQ(walker.countdown, 0);
    EXPECT_EQ(walker.target, nullptr);
    EXPECT_FLOAT_EQ(walker.destX, -1.0f);
    EXPECT_FALSE(At(1).dead);
    EXPECT_EQ(At(1).hitPoints, 30);
    EXPECT_TRUE(battle.missiles.empty());
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_EQ(battle.phase, 1);
    EXPECT_EQ(endless.restarts, 1);
}

TEST_F(EndlessBattleTest, TheFirstIdleActingFighterIsAskedBeforeThePhaseRuns) {
    EndlessBattle endless(battle);
    HoldAll();
    At(0).speed = 6; // acts in even phases only, so phase 1 passes it by
    At(2).order = OrderCode::None;
    At(3).order = OrderCode::None;

    EXPECT_EQ(endless.Step(), 0);
    ASSERT_TRUE(battle.awaitingOrder);
    EXPECT_EQ(battle.decisionQueue.front(), &At(2));
    EXPECT_EQ(battle.phase, 1);

    EXPECT_EQ(endless.Step(), 0); // the computer decides at once
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_NE(At(2).order, OrderCode::None);

    EXPECT_EQ(endless.Step(), 0);
    EXPECT_EQ(battle.decisionQueue.front(), &At(3)); // the search starts over
}

TEST_F(EndlessBattleTest, ADispatchedPhaseCountsItsLivingActingFighters) {
    EndlessBattle endless(battle);
    HoldAll();
    At(1).speed = 6; // not in phase 1
    At(2).speed = 0; // never
    Kill(3);         // dead fighters do not act
    battle.phase = 1;

    EXPECT_EQ(endless.Step(), 5);
    EXPECT_EQ(battle.phase, 2);
    EXPECT_EQ(endless.Step(), 6); // phase 2: fighter 2 acts too
}

TEST_F(EndlessBattleTest, PhaseTwelveIsFollowedByPhaseOne) {
    EndlessBattle endless(battle);
    HoldAll();
    battle.phase = 12;
    endless.Step();
    EXPECT_EQ(battle.phase, 1);
}

TEST_F(EndlessBattleTest, MarkersLandAtOnceAndNoPhaseRunsInThatStep) {
    EndlessBattle endless(battle);
    HoldAll();
    battle.missiles.push_back(Missile{});
    battle.missiles.push_back(Missile{});
    EXPECT_EQ(endless.Step(), 0);
    EXPECT_TRUE(battle.missiles.empty());
    EXPECT_EQ(battle.phase, 1);
}

TEST_F(EndlessBattleTest, ALongBattleKeepsFightingAndRestarts) {
    EndlessBattle endless(battle);
    int64_t actions = 0;
    for (int step = 0; step < 20000; ++step) {
        actions += endless.Step();
        // Every decision goes to the computer: nobody is ever left waiting on the player.
        if (battle.awaitingOrder && !battle.decisionQueue.empty()) {
            ASSERT_NE(battle.decisionQueue.front()->team, 1) << "step " << step;
        }
    }
    EXPECT_GT(actions, 10000);
    EXPECT_GT(endless.restarts, 0);
}
