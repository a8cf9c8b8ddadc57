#include "rules/PlayerCommand.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedClock.h"

#include <tuple>

class PlayerTest : public HandBuiltBattle {
protected:
    PlayerTest() {
        corpse.dead = true;
        Ask(me);
    }

    // One frame with the pointer at (x, y), the left button held or not, these keys pressed.
    void Frame(int32_t x, int32_t y, bool held, std::vector<int32_t> keys = {}) {
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = held;
        engine.input->keysPressed = std::move(keys);
        font->texts.clear();
        engine.video->draws.clear();
        PlayerCommand(battle);
    }
    // With this command chosen, a press and release at one point: true when it gave the order.
    bool Click(int32_t command, int32_t x, int32_t y) {
        Ask(me);
        battle.interface->command = command;
        Frame(x, y, true);
        Frame(x, y, false);
        return Given();
    }
    bool Given() const { return !battle.awaitingOrder && battle.decisionQueue.empty(); }
    std::string Shown() const { return font->texts.empty() ? "" : font->texts[0].text; }

    ScopedClock clock{1700}; // pulse 1.4, folded to 0.6
    Fighter &me = Add("Me", 100, 100, 1), &orc = Add("Orc", 150, 100),
            &pal = Add("Pal", 200, 100, 1), &corpse = Add("Husk", 100, 200);
};

// The waiting fighter wears a pulsing white ring; an enemy under the pointer (its 16 x 16
// sprite, left and top edges only) gets a red ring and its name. Press over an enemy, drag
// off the field and let go: nothing; the order comes the first time the pointer rests on a
// valid enemy with the button up. Own side and the dead are never picked.
TEST_F(PlayerTest, PressDragReleaseGivesTheOrderOnlyOverAValidEnemy) {
    for (auto [x, y] : {std::pair{205, 105}, {105, 205}, {166, 105}, {155, 116}}) {
        EXPECT_FALSE(Click(5, x, y)) << x << "," << y;
        EXPECT_EQ(Shown() + std::to_string(engine.video->draws.size()), "1") << x << "," << y;
    }
    const auto& ring = engine.video->draws[0];
    EXPECT_EQ((std::vector<float>{92, 92, 1}),
              (std::vector<float>{float(ring.x), float(ring.y), ring.green}));
    EXPECT_FLOAT_EQ(ring.alpha, 0.6f);
    battle.interface->command = 4;
    Frame(165, 115, true);
    EXPECT_EQ(Shown(), "Orc");
    EXPECT_EQ(font->texts[0].x, 181);
    Frame(300, 300, false);
    Frame(60, 60, false);
    EXPECT_TRUE(battle.awaitingOrder);
    Frame(150, 100, false);
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat); // 50 away: walk there first
    EXPECT_EQ(me.target, &orc);
    EXPECT_FLOAT_EQ(me.stepX, 1.0f);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_EQ(battle.interface->command, 0);
}

// A strike within 24 pixels is prepared in place, at exactly 24 walked to; shots have no
// range. Each command gives its own order and countdown.
TEST_F(PlayerTest, EachAttackCommandGivesItsOrder) {
    for (auto [command, orcX, order, countdown] : {std::tuple{3, 123.9f, OrderCode::MeleeOnce, 8},
                                                   {4, 123.9f, OrderCode::MeleeRepeat, 8},
                                                   {3, 124.0f, OrderCode::ApproachMeleeOnce, 0},
                                                   {5, 248.0f, OrderCode::MissileOnce, 24},
                                                   {6, 248.0f, OrderCode::MissileRepeat, 24}}) {
        orc.x = orcX;
        ASSERT_TRUE(Click(command, int32_t(orcX) + 8, 108)) << command;
        EXPECT_EQ(me.order, order) << command;
        EXPECT_EQ(std::pair(me.countdown, me.countdownStart), std::pair(countdown, countdown));
    }
}

// A walk is picked on the field (8 to 263 under the pointer) and centres the fighter on
// the pointer, clamped to where a whole fighter stands (8 to 248); onto its own spot it
// gets no direction. Beside the pointer: the phases from the next one until there has been
// an action per pixel, in sixtieths of a second, unless the fighter never acts.
TEST_F(PlayerTest, MoveIsPickedOnTheFieldClampedAndTimed) {
    EXPECT_FALSE(Click(1, 264, 100));
    EXPECT_FALSE(Click(1, 100, 7));
    ASSERT_TRUE(Click(1, 263, 263));
    EXPECT_EQ((std::vector<float>{248, 248, 0.70710677f}),
              (std::vector<float>{me.destX, me.destY, me.stepY}));
    EXPECT_FALSE(battle.buttonHeld);
    ASSERT_TRUE(Click(1, 108, 108));
    EXPECT_EQ((std::vector<float>{0, 0}), (std::vector<float>{me.stepX, me.stepY}));

    for (auto [speed, phase, pointerX, shown] : {std::tuple{12, 1, 118, "0.17"},
                                                 {1, 1, 109, "0.18"},
                                                 {1, 12, 158, "10"},
                                                 {12, 12, 198, "1.5"},
                                                 {0, 1, 198, ""}}) {
        me.speed = speed;
        battle.phase = phase;
        Ask(me);
        battle.interface->command = 1;
        Frame(pointerX, 108, false);
        EXPECT_EQ(Shown(), shown) << pointerX;
    }
}

// Buttons 1 to 7 in a row. A number key chooses what its live button would: Hold (2) is
// given at once, a disabled button's key does nothing. Escape drops a chosen command, with
// the press already made on an enemy; Q quits.
TEST_F(PlayerTest, KeysDoWhatTheirButtonsDo) {
    for (int32_t id = 1; id <= 7; ++id) {
        battle.interface->elements.push_back({id, 1, 0, 0, 20 * id, 400, 10, 10});
    }
    battle.interface->elements[4].enabled = 0;
    Frame(0, 0, false, {'5'});
    EXPECT_EQ(battle.interface->command, 0);
    Frame(0, 0, false, {'2'});
    EXPECT_EQ(me.order, OrderCode::Hold);
    EXPECT_TRUE(Given());

    Ask(me);
    Frame(155, 105, false, {'6'});
    EXPECT_EQ(battle.interface->command, 6);
    Frame(155, 105, true); // pressed on the orc
    Frame(155, 105, true, {InputSystem::kEscape});
    Frame(155, 105, false);
    EXPECT_FALSE(Given());
    EXPECT_FALSE(battle.buttonHeld);
    Frame(155, 105, false, {'q'});
    EXPECT_TRUE(gKernel->quit);
}
