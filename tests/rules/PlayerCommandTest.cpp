#include "rules/PlayerCommand.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedClock.h"

#include <cmath>

class PlayerTest : public RulesTest {
protected:
    PlayerTest()
        : me(Add("Me", 100, 100, 1)), enemy(Add("Orc", 150, 100, 2)), mate(Add("Pal", 200, 100, 1)),
          corpse(Add("Husk", 100, 200, 2)) {
        corpse.dead = true;
        Ask(me);
    }

    // One frame with the pointer at (x, y) and the left button held or not.
    void Frame(int32_t command, int32_t x, int32_t y, bool held) {
        battle.interface->command = command;
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = held;
        font->texts.clear();
        engine.video->draws.clear();
        PlayerCommand(battle);
    }

    bool Given() const { return !battle.awaitingOrder && battle.decisionQueue.empty(); }

    ScopedClock clock{1700}; // pulse 1.4, folded to 0.6
    Fighter &me, &enemy, &mate, &corpse;
};

TEST_F(PlayerTest, WaitingFighterWearsAPulsingRingAndHoldNeedsNoPointer) {
    Frame(0, -1, -1, false);
    ASSERT_EQ(engine.video->draws.size(), 1u);
    const auto& ring = engine.video->draws[0];
    EXPECT_EQ(ring.sourceY, 32.0f);
    EXPECT_EQ(ring.sourceWidth, 32.0f);
    EXPECT_EQ(ring.x, 92);
    EXPECT_EQ(ring.y, 92);
    EXPECT_FLOAT_EQ(ring.alpha, 0.6f);
    EXPECT_FALSE(Given());

    Frame(2, -1, -1, false);
    EXPECT_EQ(me.order, OrderCode::Hold);
    EXPECT_EQ(battle.interface->command, 0);
    EXPECT_TRUE(Given());
}

// Press over an enemy, drag off the field and let go: nothing. The order then comes the
// first time the pointer rests on a valid enemy with the button up.
TEST_F(PlayerTest, PressDragReleaseGivesTheOrderOnlyOverAValidEnemy) {
    Frame(4, 155, 105, true);
    EXPECT_TRUE(battle.buttonHeld);
    ASSERT_EQ(font->texts.size(), 1u);
    EXPECT_EQ(font->texts[0].text, "Orc");
    EXPECT_EQ(font->texts[0].x, 171);
    EXPECT_EQ(engine.video->draws.back().green, 0.0f); // the enemy's red ring
    EXPECT_EQ(engine.video->draws.back().x, 142);

    Frame(4, 300, 300, false);
    Frame(4, 60, 60, false);
    EXPECT_FALSE(Given());
    EXPECT_TRUE(battle.buttonHeld);

    Frame(4, 150, 115, false);
    EXPECT_TRUE(Given());
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat); // 50 pixels: walk there first
    EXPECT_EQ(me.target, &enemy);
    EXPECT_EQ(me.destX, 150.0f);
    EXPECT_FLOAT_EQ(me.stepX, 1.0f);
    EXPECT_EQ(me.stepY, 0.0f);
    EXPECT_EQ(me.countdown, 0);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_EQ(battle.interface->command, 0);
}

TEST_F(PlayerTest, OwnSideAndTheDeadCannotBePicked) {
    for (const auto& [x, y] : {std::pair{205, 105}, std::pair{105, 205}}) {
        Frame(5, x, y, true);
        Frame(5, x, y, false);
        EXPECT_TRUE(font->texts.empty());
        EXPECT_EQ(engine.video->draws.size(), 1u); // only the waiting fighter's ring
        EXPECT_FALSE(battle.buttonHeld);
        EXPECT_FALSE(Given());
    }
}

TEST_F(PlayerTest, MeleeWithinReachStrikesInPlaceAndMissilesHaveNoRange) {
    enemy.x = 123;
    Frame(3, 130, 110, true);
    Frame(3, 130, 110, false);
    EXPECT_EQ(me.order, OrderCode::MeleeOnce);
    EXPECT_EQ(me.countdown, 8);
    EXPECT_EQ(me.countdownStart, 8);

    Ask(me);
    enemy.x = enemy.y = 248;
    Frame(5, 250, 250, true);
    Frame(5, 250, 250, false);
    EXPECT_EQ(me.order, OrderCode::MissileOnce);
    EXPECT_EQ(me.countdown, 24);
    EXPECT_EQ(me.countdownStart, 24);
}

TEST_F(PlayerTest, MoveIsPickedInsideTheFieldAndClampedToIt) {
    Frame(1, 20, 300, true);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_TRUE(font->texts.empty());

    Frame(1, 263, 263, true);
    Frame(1, 263, 263, false);
    EXPECT_TRUE(Given());
    EXPECT_EQ(me.order, OrderCode::Move);
    EXPECT_EQ(me.destX, 248.0f);
    EXPECT_EQ(me.destY, 248.0f);
    EXPECT_FLOAT_EQ(me.stepX, std::sqrt(0.5f));
    EXPECT_FLOAT_EQ(me.stepY, std::sqrt(0.5f));
}

// Phases from the next one until the fighter has had an action per pixel, shown in
// sixtieths of a second.
TEST_F(PlayerTest, MoveShowsTheWalkingTimeBesideThePointer) {
    Frame(1, 118, 108, false); // 10 pixels at speed 12: 10 phases
    ASSERT_EQ(font->texts.size(), 1u);
    EXPECT_EQ(font->texts[0].text, "0.17");
    EXPECT_EQ(font->texts[0].x, 134);
    EXPECT_EQ(font->texts[0].y, 108);

    me.speed = 1; // acts in phase 12 only: 11 phases from phase 2
    battle.phase = 1;
    Frame(1, 109, 108, false);
    EXPECT_EQ(font->texts[0].text, "0.18");

    me.speed = 12; // far walks: 90 and 600 phases show as 1.5 and 10 seconds
    me.x = 8;
    Frame(1, 106, 108, false);
    EXPECT_EQ(font->texts[0].text, "1.5");
    me.speed = 1;
    battle.phase = 12;
    Frame(1, 66, 108, false);
    EXPECT_EQ(font->texts[0].text, "10");

    me.speed = 0; // never acts, never arrives: no estimate, but the walk can be ordered
    Frame(1, 106, 16, true);
    EXPECT_TRUE(font->texts.empty());
    Frame(1, 106, 16, false);
    EXPECT_EQ(me.order, OrderCode::Move);
}

TEST_F(PlayerTest, MoveOntoOwnSpotHasNoDirection) {
    Frame(1, 108, 108, true);
    EXPECT_EQ(font->texts[0].text, "0");
    Frame(1, 108, 108, false);
    EXPECT_EQ(me.order, OrderCode::Move);
    EXPECT_EQ(me.stepX, 0.0f);
    EXPECT_EQ(me.stepY, 0.0f);
}
