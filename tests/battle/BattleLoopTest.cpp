#include "battle/PhaseTable.h"
#include "tests/battle/BattleFixture.h"

#include <vector>

namespace {

using BattleLoop = BattleFixture;

TEST_F(BattleLoop, NothingHappensUntilEighteenMillisecondsHavePassed) {
    Add("Ally", 1, 0); // both sides stand, so the battle goes on
    Add("Foe", 2, 0);
    battle.phase = 12;
    clock.now = 1005;
    EXPECT_FALSE(UpdateNow());
    EXPECT_EQ(13000u, clock.slept) << "sleeps until the step is due instead of spinning";
    clock.now = 1017;
    EXPECT_FALSE(UpdateNow());
    EXPECT_EQ(0, engine.video->clears);
    EXPECT_TRUE(random.seeds.empty());
    EXPECT_EQ(12, battle.phase);

    clock.now = 1018;
    EXPECT_TRUE(UpdateNow());
    EXPECT_EQ(1, engine.video->clears);
    EXPECT_EQ(std::vector<uint32_t>{1018u}, random.seeds) << "every drawn frame reseeds";
    EXPECT_EQ(1, battle.phase) << "after phase 12 a new turn begins";
    EXPECT_EQ(1018u, battle.lastTick);

    // The same across the tick counter wrapping around.
    battle.lastTick = 0xFFFFFFF0u;
    clock.now = 1;
    EXPECT_FALSE(UpdateNow());
    clock.now = 2;
    EXPECT_TRUE(UpdateNow());
}

// Only a phase step renews the pacing, so once it is due the frames of a waiting phase
// come on every call.
TEST_F(BattleLoop, TheFirstIdleActingFighterInListOrderIsAskedAndThePhaseWaits) {
    Add("Holding", 1, 12).order = OrderCode::Hold;
    Add("Later", 1, 3); // does not act in phase 1
    Add("Dead", 1, 12).dead = true;
    Fighter& first = Add("First", 2, 12);
    Fighter& second = Add("Second", 1, 12);

    ASSERT_TRUE(Frame());
    ASSERT_TRUE(battle.awaitingOrder);
    ASSERT_EQ(1u, battle.decisionQueue.size());
    EXPECT_EQ(&first, battle.decisionQueue.front());
    EXPECT_FALSE(UpdateNow()) << "the asking step renewed the pacing";
    Answer(OrderCode::Hold);

    // The search starts again from the top and finds the next one.
    ASSERT_TRUE(Frame());
    ASSERT_EQ(1u, battle.decisionQueue.size());
    EXPECT_EQ(&second, battle.decisionQueue.front());
    clock.now += 18;
    for (int call = 0; call < 3; ++call) {
        EXPECT_TRUE(UpdateNow());
        EXPECT_TRUE(battle.awaitingOrder) << "nobody has answered";
    }
    EXPECT_EQ(1, battle.phase);
    Answer(OrderCode::Hold);

    ASSERT_TRUE(UpdateNow());
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_EQ(2, battle.phase);
}

// A speed is the number of phases of the twelve a fighter acts in, always including the
// last; speed 1 acts in phase 12 only, speed 6 in the even ones.
TEST(PhaseTable, EachSpeedActsInThatManyPhasesAlwaysIncludingTheLast) {
    for (int32_t phase = 1; phase <= 12; ++phase) {
        EXPECT_EQ(phase == 12, ActsInPhase(1, phase)) << "phase " << phase;
        EXPECT_EQ(phase % 2 == 0, ActsInPhase(6, phase)) << "phase " << phase;
        EXPECT_TRUE(ActsInPhase(12, phase)) << "phase " << phase;
    }
    for (int32_t speed = 0; speed <= 12; ++speed) {
        int count = 0;
        for (int32_t phase = 1; phase <= 12; ++phase) {
            count += ActsInPhase(speed, phase) ? 1 : 0;
        }
        EXPECT_EQ(speed, count) << "speed " << speed;
        EXPECT_EQ(speed > 0, ActsInPhase(speed, 12)) << "speed " << speed;
        EXPECT_FALSE(ActsInPhase(speed, 0)) << "phase 0 does not exist";
    }
    EXPECT_FALSE(ActsInPhase(13, 12));
    EXPECT_FALSE(ActsInPhase(-1, 12));
}

// A marker that arrives must not make the next one skip its step; positions are cut toward
// zero, so -3.5 is drawn at -3.
TEST_F(BattleLoop, MarkersHoldThePhasesUntilTheyArriveAndAreDrawnInTheirArrivalFrame) {
    Add("Guard", 2, 12).order = OrderCode::Hold;
    Add("Ally", 1, 0);
    battle.missiles = {Missile{50.0f, 50.0f, 50.0f, 54.0f, 0.0f, 2.0f},
                       Missile{100.0f, 100.0f, 100.0f, 120.0f, 0.0f, 2.0f},
                       Missile{-3.0f, 10.9f, -10.0f, 11.0f, -0.5f, 0.5f}};

    ASSERT_TRUE(Frame());
    // Flight frames do not renew the pacing: from here every call draws one.
    for (int frame = 1; frame <= 7; ++frame) {
        SCOPED_TRACE(frame);
        if (frame > 1) {
            ASSERT_TRUE(UpdateNow());
        }
        EXPECT_EQ(1, battle.phase);
        std::vector<std::pair<int32_t, int32_t>> drawnAt;
        for (const auto& draw : CellDraws(64.0f, 240.0f)) {
            drawnAt.emplace_back(draw.x, draw.y);
        }
        std::vector<std::pair<int32_t, int32_t>> expected{{100, 100 + 2 * frame}};
        if (frame == 1) {
            expected = {{50, 52}, {100, 102}, {-3, 11}};
        }
        EXPECT_EQ(expected, drawnAt);
    }
    // At 114 the last is 6 pixels short of its point: arrived.
    EXPECT_TRUE(battle.missiles.empty());

    ASSERT_TRUE(UpdateNow());
    EXPECT_TRUE(CellDraws(64.0f, 240.0f).empty());
    EXPECT_EQ(2, battle.phase) << "the next phase step comes right after the last marker";
}

TEST_F(BattleLoop, AStrayQuestionWithNobodyToAskDoesNotStallTheBattle) {
    battle.awaitingOrder = true;
    ASSERT_TRUE(Frame());
    EXPECT_FALSE(battle.awaitingOrder);
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

// With the real deciders: the player is asked frame after frame until a command is chosen,
// the computer answers in the very frame it is asked.
TEST_F(BattleLoop, ThePlayerIsAskedUntilItChoosesAndTheComputerAnswersAtOnce) {
    Fighter& ann = Add("Ann", 1, 12, 100.0f, 100.0f);
    for (const char* name : {"Bea", "Cat", "Dan"}) { // far off, holding their ground
        Add(name, 1, 3, 240.0f, 240.0f).order = OrderCode::Hold;
    }
    Fighter& orc = Add("Orc", 2, 12, 110.0f, 100.0f);
    orc.meleeSkill = 12; // prefers the blade, and Ann stands within reach
    orc.missileSkill = 4;

    ASSERT_TRUE(Frame());
    ASSERT_TRUE(Frame());
    EXPECT_TRUE(battle.awaitingOrder) << "no command chosen yet";
    EXPECT_EQ(&ann, battle.decisionQueue.front());
    battle.interface->command = 2; // Hold
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(OrderCode::Hold, ann.order);
    EXPECT_FALSE(battle.awaitingOrder);

    ASSERT_TRUE(Frame());
    ASSERT_TRUE(battle.awaitingOrder);
    EXPECT_EQ(&orc, battle.decisionQueue.front());
    ASSERT_TRUE(Frame());
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_EQ(OrderCode::MeleeRepeat, orc.order);
    EXPECT_EQ(&ann, orc.target);
}

} // namespace
