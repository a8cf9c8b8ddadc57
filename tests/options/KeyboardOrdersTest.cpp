#include "options/KeyboardOrders.h"

#include "battle/TileSheet.h"
#include "tests/battle/BattleFixture.h"

namespace {

// The player's fighter "Me" waits, with own and dead fighters among the enemies in the
// list; frames run through the battle loop, keys alone, the pointer off the window.
class Keys : public BattleFixture {
protected:
    Keys() {
        husk.dead = true;
        Ask(me);
    }
    void Press(int32_t command, std::vector<int32_t> keys) {
        battle.interface->command = command;
        engine.input->keysPressed = std::move(keys);
        Frame();
    }
    std::string LastText() const { return font->texts.back().text; }

    Fighter &orc = Add("Orc", 150, 100), &pal = Add("Pal", 200, 100, 1),
            &me = Add("Me", 12, 240, 1), &husk = Add("Husk", 100, 200), &imp = Add("Imp", 60, 60);
};

constexpr int32_t kTab = InputSystem::kTab, kBackTab = InputSystem::kBackTab,
                  kEnter = InputSystem::kEnter;

} // namespace

// Nothing shows until a key is used. Shift+Tab from no target takes the last living enemy,
// Tab the next, round the end, skipping the own side and the dead; the target is ringed
// and named beside it, and Enter shoots at it.
TEST_F(Keys, TabStepsThroughTheLivingEnemiesAndEnterGivesTheOrder) {
    Press(5, {});
    EXPECT_EQ(CellDraws(kRingX, kRingY), (Places{{4, 232}})) << "only the waiting fighter's";
    std::string seen;
    for (const int32_t key : {kBackTab, kTab, kTab, kBackTab}) {
        Press(5, {key});
        seen += LastText() + " ";
    }
    EXPECT_EQ(seen, "Imp Orc Imp Orc ");
    EXPECT_EQ(CellDraws(kRingX, kRingY).back(), (std::pair{142, 92}));
    EXPECT_EQ(font->texts.back().x * 1000 + font->texts.back().y, 174108);
    Press(5, {kBackTab, kEnter});
    EXPECT_EQ(me.order, OrderCode::MissileOnce);
    EXPECT_EQ(me.target, &imp);
}

// The marked point starts where the fighter stands and moves a tile a key, held within
// the field at its edges; its walking time shows beside it, and Enter walks there.
TEST_F(Keys, ArrowsMoveThePointWithinTheFieldAndEnterWalksThere) {
    Press(1, {InputSystem::kLeft, InputSystem::kDown});
    EXPECT_EQ(CellDraws(kRingX, kRingY).back(), (std::pair{0, 240}));
    EXPECT_EQ(LastText(), "0.15"); // 4 left and 8 down, 9 pixels: 9 phases at speed 12
    Press(1, {InputSystem::kUp, InputSystem::kUp, InputSystem::kRight});
    Press(1, {kEnter});
    EXPECT_EQ(me.order, OrderCode::Move);
    EXPECT_EQ(me.destX * 1000 + me.destY, 24216.0f);
}
