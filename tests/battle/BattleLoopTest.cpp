#include "battle/PhaseTable.h"
#include "tests/battle/BattleFixture.h"

#include <vector>

namespace {

using BattleLoop = BattleFixture;

TEST_F(BattleLoop, NothingHappensUntilEighteenMillisecondsHavePassed) {
    clock.now = 1017;
    EXPECT_FALSE(UpdateNow());
    EXPECT_EQ(0, engine.video->clears);
    EXPECT_TRUE(engine.video->draws.empty());
    EXPECT_TRUE(random.seeds.empty());
    EXPECT_EQ(1, battle.phase);

    clock.now = 1018;
    EXPECT_TRUE(UpdateNow());
    EXPECT_EQ(1, engine.video->clears);
    EXPECT_EQ(std::vector<uint32_t>{1018u}, random.seeds) << "every drawn frame reseeds";
    EXPECT_EQ(2, battle.phase);
    EXPECT_EQ(1018u, battle.lastTick);
}

TEST_F(BattleLoop, PacingSurvivesTheTickCounterWrappingAround) {
    battle.lastTick = 0xFFFFFFF0u;
    clock.now = 1; // 17 ms later
    EXPECT_FALSE(UpdateNow());
    clock.now = 2;
    EXPECT_TRUE(UpdateNow());
}

// Only a phase step renews the pacing, so waiting frames come as fast as Update is called.
TEST_F(BattleLoop, DecisionFramesAreDrawnOnEveryCallOnceTheStepIsDue) {
    Add("Ann", 1, 12);
    ASSERT_TRUE(Frame()); // the phase step that asks Ann
    ASSERT_TRUE(battle.awaitingOrder);
    EXPECT_FALSE(UpdateNow()) << "the asking step renewed the pacing";

    clock.now += 18;
    EXPECT_TRUE(UpdateNow());
    EXPECT_TRUE(UpdateNow());
    EXPECT_TRUE(UpdateNow());
    EXPECT_TRUE(battle.awaitingOrder) << "nobody has answered";
    EXPECT_EQ(1, battle.phase);
}

// Runs one whole turn, answering every question with Hold and making everyone idle again
// after each phase, and returns for each watched fighter the phases in which it was asked.
class PhaseRows : public BattleFixture {
protected:
    std::vector<std::vector<int32_t>> AskedPhases(const std::vector<const Fighter*>& watched) {
        std::vector<std::vector<int32_t>> asked(watched.size());
        int advanced = 0;
        for (int frame = 0; frame < 100 && advanced < 12; ++frame) {
            const int32_t before = battle.phase;
            EXPECT_TRUE(Frame());
            if (battle.awaitingOrder) {
                EXPECT_EQ(before, battle.phase) << "a phase with a question must wait";
                for (std::size_t i = 0; i < watched.size(); ++i) {
                    if (battle.decisionQueue.front() == watched[i]) {
                        asked[i].push_back(battle.phase);
                    }
                }
                Answer(OrderCode::Hold);
            } else if (battle.phase != before) {
                EXPECT_EQ(before % 12 + 1, battle.phase);
                ++advanced;
                for (auto& fighter : battle.fighters) {
                    fighter->order = OrderCode::None;
                }
            }
        }
        EXPECT_EQ(12, advanced);
        EXPECT_EQ(1, battle.phase) << "after phase 12 a new turn begins";
        return asked;
    }
};

TEST_F(PhaseRows, SpeedsOneSixAndTwelveAreAskedInTheirRowsPhases) {
    const Fighter& slow = Add("Slow", 1, 1);
    const Fighter& steady = Add("Steady", 1, 6);
    const Fighter& fast = Add("Fast", 1, 12);
    const auto asked = AskedPhases({&slow, &steady, &fast});
    EXPECT_EQ(std::vector<int32_t>{12}, asked[0]);
    EXPECT_EQ((std::vector<int32_t>{2, 4, 6, 8, 10, 12}), asked[1]);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), asked[2]);
}

TEST_F(PhaseRows, SpeedZeroAndTheDeadAreNeverAsked) {
    const Fighter& still = Add("Still", 1, 0);
    Fighter& gone = Add("Gone", 1, 12);
    gone.dead = true;
    const Fighter& watcher = Add("Watcher", 1, 3);
    const auto asked = AskedPhases({&still, &gone, &watcher});
    EXPECT_TRUE(asked[0].empty());
    EXPECT_TRUE(asked[1].empty());
    EXPECT_EQ((std::vector<int32_t>{4, 8, 12}), asked[2]);
}

TEST(PhaseTableRows, EachSpeedActsInThatManyPhasesAlwaysIncludingTheLast) {
    for (int32_t speed = 0; speed <= 12; ++speed) {
        int count = 0;
        for (int32_t phase = 1; phase <= 12; ++phase) {
            count += ActsInPhase(speed, phase) ? 1 : 0;
        }
        EXPECT_EQ(speed, count) << "speed " << speed;
        EXPECT_FALSE(ActsInPhase(speed, 0)) << "phase 0 does not exist";
        EXPECT_EQ(speed > 0, ActsInPhase(speed, 12)) << "speed " << speed;
    }
    EXPECT_FALSE(ActsInPhase(13, 12));
    EXPECT_FALSE(ActsInPhase(-1, 12));
}

TEST_F(BattleLoop, TheFirstIdleActingFighterInListOrderIsAskedAndThePhaseWaits) {
    Fighter& holding = Add("Holding", 1, 12);
    holding.order = OrderCode::Hold;
    Add("Later", 1, 3); // does not act in phase 1
    Fighter& dead = Add("Dead", 1, 12);
    dead.dead = true;
    Fighter& first = Add("First", 2, 12);
    Fighter& second = Add("Second", 1, 12);

    ASSERT_TRUE(Frame());
    ASSERT_TRUE(battle.awaitingOrder);
    ASSERT_EQ(1u, battle.decisionQueue.size());
    EXPECT_EQ(&first, battle.decisionQueue.front());
    EXPECT_EQ(1, battle.phase);
    Answer(OrderCode::Hold);

    // The search starts again from the top and finds the next one.
    ASSERT_TRUE(Frame());
    ASSERT_EQ(1u, battle.decisionQueue.size());
    EXPECT_EQ(&second, battle.decisionQueue.front());
    EXPECT_EQ(1, battle.phase);

    // The player has not chosen yet: the phase keeps waiting.
    EXPECT_TRUE(Frame());
    EXPECT_TRUE(battle.awaitingOrder);
    EXPECT_EQ(1, battle.phase);
    Answer(OrderCode::Hold);

    ASSERT_TRUE(Frame());
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_EQ(2, battle.phase);
}

TEST_F(BattleLoop, AMarkerHoldsThePhasesUntilItArrivesAndIsDrawnInItsArrivalFrame) {
    Fighter& guard = Add("Guard", 2, 12);
    guard.order = OrderCode::Hold;
    battle.missiles.push_back(Missile{100.0f, 100.0f, 100.0f, 120.0f, 0.0f, 2.0f});

    ASSERT_TRUE(Frame());
    // Flight frames do not renew the pacing: from here every call draws one.
    for (int frame = 1; frame <= 7; ++frame) {
        if (frame > 1) {
            ASSERT_TRUE(UpdateNow());
        }
        EXPECT_EQ(1, battle.phase) << "frame " << frame;
        ASSERT_EQ(1, CountRegionDraws(64.0f, 240.0f)) << "frame " << frame;
        const auto* marker = FindRegionDraw(64.0f, 240.0f);
        EXPECT_EQ(100, marker->x);
        EXPECT_EQ(100 + 2 * frame, marker->y);
        EXPECT_EQ(16.0f, marker->sourceWidth);
        EXPECT_EQ(16.0f, marker->sourceHeight);
    }
    // At 114 it is 6 pixels short of its point: arrived.
    EXPECT_TRUE(battle.missiles.empty());

    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(0, CountRegionDraws(64.0f, 240.0f));
    EXPECT_EQ(2, battle.phase) << "the next phase step comes right after the last marker";
}

TEST_F(BattleLoop, AMarkerThatArrivesDoesNotMakeTheNextOneSkipItsStep) {
    battle.missiles.push_back(Missile{50.0f, 50.0f, 50.0f, 54.0f, 0.0f, 2.0f});
    battle.missiles.push_back(Missile{200.0f, 200.0f, 200.0f, 260.0f, 0.0f, 2.0f});
    battle.missiles.push_back(Missile{-3.0f, 10.9f, -40.0f, 11.0f, -0.5f, 0.5f});

    ASSERT_TRUE(Frame());
    ASSERT_EQ(3, CountRegionDraws(64.0f, 240.0f));
    ASSERT_EQ(2u, battle.missiles.size());
    EXPECT_FLOAT_EQ(202.0f, battle.missiles[0].y);
    EXPECT_FLOAT_EQ(-3.5f, battle.missiles[1].x);

    std::vector<std::pair<int32_t, int32_t>> drawnAt;
    for (const auto& draw : engine.video->draws) {
        if (draw.region && draw.sourceX == 64.0f && draw.sourceY == 240.0f) {
            drawnAt.emplace_back(draw.x, draw.y);
        }
    }
    // Positions are cut toward zero: -3.5 is drawn at -3, not -4.
    EXPECT_EQ((std::vector<std::pair<int32_t, int32_t>>{{50, 52}, {200, 202}, {-3, 11}}), drawnAt);
}

TEST_F(BattleLoop, ANoDecisionStepRunsWithAnEmptyQueue) {
    // A stray flag with nobody to ask must not stall the battle or touch a missing fighter.
    battle.awaitingOrder = true;
    ASSERT_TRUE(Frame());
    EXPECT_FALSE(battle.awaitingOrder);
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

} // namespace
