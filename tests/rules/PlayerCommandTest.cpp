#include "rules/PlayerCommand.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedClock.h"

#include <tuple>

class PlayerTest : public RulesTest {
protected:
    PlayerTest() {
        corpse.dead = true;
        Ask(me);
    }

    // One frame with the pointer at (x, y), the left button held or not.
    void Frame(int32_t command, int32_t x, int32_t y, bool held) {
        battle.interface->command = command;
        Point(x, y, held);
    }
    // The same with the command as it stands, and these keys pressed.
    void Point(int32_t x, int32_t y, bool held, std::vector<int32_t> keys = {}) {
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = held;
        engine.input->keysPressed = std::move(keys);
        font->texts.clear();
        engine.video->draws.clear();
        PlayerCommand(battle);
    }
    void Click(int32_t command, int32_t x, int32_t y) {
        Frame(command, x, y, true);
        Frame(command, x, y, false);
    }
    bool Given() const { return !battle.awaitingOrder && battle.decisionQueue.empty(); }
    std::string Shown() const { return font->texts.empty() ? "" : font->texts[0].text; }

    ScopedClock clock{1700}; // pulse 1.4, folded to 0.6
    Fighter &me = Add("Me", 100, 100, 1), &orc = Add("Orc", 150, 100),
            &pal = Add("Pal", 200, 100, 1), &corpse = Add("Husk", 100, 200);
};

// Press over an enemy, drag off the field and let go: nothing. The order comes the first
// time the pointer rests on a valid enemy with the button up. Own side and the dead are
// never picked, and meanwhile the waiting fighter wears a pulsing ring.
TEST_F(PlayerTest, PressDragReleaseGivesTheOrderOnlyOverAValidEnemy) {
    for (const auto& [x, y] : {std::pair{205, 105}, std::pair{105, 205}}) {
        Click(5, x, y);
        EXPECT_EQ(Shown(), "");
        ASSERT_EQ(engine.video->draws.size(), 1u); // only the waiting fighter's ring
        EXPECT_EQ(engine.video->draws[0].x, 92);
        EXPECT_FLOAT_EQ(engine.video->draws[0].alpha, 0.6f);
        EXPECT_FALSE(Given());
    }
    Frame(4, 155, 105, true);
    EXPECT_EQ(Shown(), "Orc");
    EXPECT_EQ(font->texts[0].x, 171);
    EXPECT_EQ(engine.video->draws.back().green, 0.0f); // red ring on the enemy
    Frame(4, 300, 300, false);
    Frame(4, 60, 60, false);
    EXPECT_FALSE(Given());
    Frame(4, 150, 115, false);
    EXPECT_TRUE(Given());
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat); // 50 away: walk there first
    EXPECT_EQ(me.target, &orc);
    EXPECT_FLOAT_EQ(me.stepX, 1.0f);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_EQ(battle.interface->command, 0);
}

TEST_F(PlayerTest, MeleeWithinReachStrikesInPlaceAndMissilesHaveNoRange) {
    orc.x = 123;
    Click(3, 130, 110);
    EXPECT_EQ(me.order, OrderCode::MeleeOnce);
    EXPECT_EQ(me.countdown, 8);
    Ask(me);
    orc.x = orc.y = 248;
    Click(5, 250, 250);
    EXPECT_EQ(me.order, OrderCode::MissileOnce);
    EXPECT_EQ(me.countdown, 24);
    EXPECT_EQ(me.countdownStart, 24);
}

TEST_F(PlayerTest, MoveIsPickedInsideTheFieldClampedToItAndMayGoNowhere) {
    Click(1, 20, 300);
    EXPECT_FALSE(Given());
    Click(1, 263, 263);
    EXPECT_TRUE(Given());
    EXPECT_EQ(me.order, OrderCode::Move);
    EXPECT_EQ(me.destX, 248.0f);
    EXPECT_EQ(me.destY, 248.0f);
    EXPECT_FLOAT_EQ(me.stepY, 0.70710677f);

    Ask(me);
    Click(1, 108, 108); // onto its own spot: no direction
    EXPECT_EQ(me.order, OrderCode::Move);
    EXPECT_EQ(me.stepX, 0.0f);
    EXPECT_EQ(me.stepY, 0.0f);
}

// Phases from the next one until there has been an action per pixel, in sixtieths of a
// second beside the pointer.
TEST_F(PlayerTest, MoveShowsTheWalkingTime) {
    Frame(1, 118, 108, false); // speed 12, 10 pixels
    EXPECT_EQ(Shown(), "0.17");
    EXPECT_EQ(font->texts[0].x, 134);
    me.speed = 1; // phase 12 only: 11 phases from phase 2
    Frame(1, 109, 108, false);
    EXPECT_EQ(Shown(), "0.18");
    battle.phase = 12; // 50 pixels, one a turn
    Frame(1, 158, 108, false);
    EXPECT_EQ(Shown(), "10");
    me.speed = 12;
    Frame(1, 198, 108, false);
    EXPECT_EQ(Shown(), "1.5");

    me.speed = 0; // would never get there: no estimate, but it may be ordered
    Click(1, 198, 108);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(me.order, OrderCode::Move);
}

// Buttons 1 to 7 (10 x 10) in a row at (20 x id, 400). A number key does what a click on
// its live button does; Escape drops a chosen command, with the press already made on an
// enemy; Q quits.
TEST_F(PlayerTest, KeysDoWhatTheirButtonsDo) {
    for (int32_t id = 1; id <= 7; ++id) {
        battle.interface->elements.push_back({id, 1, 0, 0, 20 * id, 400, 10, 10});
    }
    const auto result = [this] { // what the choice left; then the fighter is asked afresh
        const auto left = std::make_tuple(battle.interface->command, me.order, Given());
        battle.interface->command = 0;
        me.order = OrderCode::None;
        Ask(me);
        return left;
    };
    for (int32_t id = 1; id <= 6; ++id) {
        SCOPED_TRACE(id);
        Point(20 * id + 5, 405, true);
        Point(20 * id + 5, 405, false);
        const auto clicked = result();
        Point(20 * id + 5, 405, false, {'0' + id});
        EXPECT_EQ(result(), clicked);
        EXPECT_EQ(std::get<0>(clicked), id == 2 ? 0 : id) << "Hold is given at once";
    }
    battle.interface->elements[4].enabled = 0;
    Point(0, 0, false, {'5'});
    EXPECT_EQ(battle.interface->command, 0) << "its button cannot be clicked";

    Point(155, 105, false, {'6'});
    Point(155, 105, true); // pressed on the orc
    Point(155, 105, true, {InputSystem::kEscape});
    Point(155, 105, false);
    EXPECT_FALSE(Given());
    EXPECT_FALSE(battle.buttonHeld);
    Point(155, 105, false, {'q'});
    EXPECT_TRUE(gKernel->quit);
}
