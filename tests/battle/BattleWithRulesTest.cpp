// The loop together with the real rules: who decides, and a blow's marker holding a phase.
#include "graphics/MainInterface.h"
#include "rules/CombatLog.h"
#include "tests/battle/BattleFixture.h"

#include <vector>

namespace {

using BattleWithRules = BattleFixture;

TEST_F(BattleWithRules, TheComputerAnswersInTheFrameItIsAsked) {
    Fighter& ann = Add("Ann", 1, 3, 100.0f, 100.0f);
    for (const char* name : {"Bea", "Cat", "Dan"}) { // far off, holding their ground
        Add(name, 1, 3, 240.0f, 240.0f).order = OrderCode::Hold;
    }
    Fighter& orc = Add("Orc", 2, 12, 110.0f, 100.0f);
    orc.meleeSkill = 12; // prefers the blade, and Ann stands within reach
    orc.missileSkill = 4;

    ASSERT_TRUE(Frame());
    ASSERT_TRUE(battle.awaitingOrder);
    ASSERT_TRUE(Frame());
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_EQ(OrderCode::MeleeRepeat, orc.order);
    EXPECT_EQ(&ann, orc.target);
    EXPECT_EQ(1, battle.phase) << "the phase itself runs in the next frame";

    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
    EXPECT_EQ(7, orc.countdown) << "one action of the blow in phase 1";
}

TEST_F(BattleWithRules, ThePlayerIsAskedFrameAfterFrameUntilACommandIsChosen) {
    Fighter& ann = Add("Ann", 1, 12, 100.0f, 100.0f);
    ASSERT_TRUE(Frame());
    ASSERT_TRUE(battle.awaitingOrder);

    for (int frame = 0; frame < 3; ++frame) {
        ASSERT_TRUE(Frame());
        EXPECT_TRUE(battle.awaitingOrder);
        // The waiting fighter's ring, round the sprite.
        const auto* ring = FindRegionDraw(0.0f, 32.0f);
        ASSERT_NE(nullptr, ring);
        EXPECT_EQ(92, ring->x);
        EXPECT_EQ(92, ring->y);
    }

    battle.interface->command = 2; // Hold
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(OrderCode::Hold, ann.order);
    EXPECT_FALSE(battle.awaitingOrder);
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

TEST_F(BattleWithRules, AFinishedBlowHoldsThePhaseUntilItsMarkerLands) {
    Fighter& ann = Add("Ann", 1, 12, 100.0f, 100.0f);
    Fighter& orc = Add("Orc", 2, 12, 120.0f, 100.0f);
    orc.order = OrderCode::Hold;
    ann.order = OrderCode::MeleeOnce;
    ann.target = &orc;
    ann.countdown = 2; // launches its marker in this phase, lands in the next
    ann.countdownStart = 8;

    ASSERT_TRUE(Frame());
    ASSERT_EQ(1u, battle.missiles.size());
    EXPECT_EQ(2, battle.phase);

    // 20 pixels at 2 a frame: within 8 after 7 frames, and only then the blow lands.
    int flightFrames = 0;
    while (!battle.missiles.empty() && flightFrames < 50) {
        ASSERT_TRUE(Frame());
        ++flightFrames;
        EXPECT_EQ(2, battle.phase);
    }
    EXPECT_EQ(7, flightFrames);
    EXPECT_TRUE(battle.messages.empty());

    random.values = {0, 0, 0}; // the dice of the blow
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(3, battle.phase);
    ASSERT_FALSE(battle.messages.empty());
    EXPECT_EQ("Ann swings at Orc!", battle.messages.front());
}

} // namespace
