#include "engine/Kernel.h"
#include "tests/battle/BattleFixture.h"

namespace {

using BattleEnd = BattleFixture;

// Ann's shot kills the last enemy in the phase in which Bo looses an arrow: the battle is
// over at once. Bo's marker is dropped, Cy (idle, acting in phase 12) is never asked, and
// the field rests under the banner with only Again and Quit, drawn again only when the
// pointer moves or the window is uncovered. Keys do nothing while nobody waits; at the
// end only Q (and R) do.
TEST_F(BattleEnd, TheLastEnemyFallingEndsTheBattleWhichThenRests) {
    for (int32_t id = 1; id <= 8; ++id) { // buttons 1 to 8 (Again) in a row at (20 x id, 400)
        battle.interface->elements.push_back({id, 1, 0, 0, 20 * id, 400, 10, 10});
    }
    const auto buttonsDrawn = [this] {
        std::vector<int32_t> ids;
        for (const auto& draw : engine.video->draws) {
            if (draw.texture == battle.interface->sheet.id) {
                ids.push_back(draw.x / 20);
            }
        }
        return ids;
    };
    Fighter& bo = Add("Bo", 40, 40, 1);
    Fighter& ann = Add("Ann", 40, 80, 1);
    Add("Cy", 40, 120, 1, 1);
    Fighter& foe = Add("Foe", 200, 80);
    foe.order = OrderCode::Hold;
    foe.hitPoints = 4;
    for (Fighter* archer : {&bo, &ann}) {
        archer->order = OrderCode::MissileRepeat;
        archer->target = &foe;
        archer->countdownStart = 24;
        archer->missileSkill = 12;
    }
    bo.countdown = 2;
    ann.countdown = 1;
    random.values = {0, 0, 3}; // two ones hit, for 4
    battle.interface->Update();
    EXPECT_EQ(buttonsDrawn(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));

    engine.input->keysPressed = {'2', 'q'};
    ASSERT_TRUE(Frame());
    EXPECT_EQ(battle.outcome, BattleOutcome::Victory);
    EXPECT_EQ(battle.messages.back(), "Victory! The last enemy has fallen.");
    EXPECT_TRUE(battle.missiles.empty());
    EXPECT_EQ(battle.interface->command, 0);

    engine.input->keysPressed = {'q', '1', InputSystem::kEscape};
    Frame();
    engine.input->keysPressed.clear();
    EXPECT_EQ(battle.interface->command, MainInterface::kQuitId);
    EXPECT_TRUE(gKernel->quit);
    for (int frame = 0; frame < 30; ++frame) {
        EXPECT_FALSE(Frame());
    }
    EXPECT_EQ(battle.phase, 2);
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_EQ(battle.messages.size(), 4u) << "the shot's three lines and one closing line";

    engine.input->mouseX = 165; // onto Again
    engine.input->mouseY = 405;
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(buttonsDrawn(), (std::vector<int32_t>{7, 8}));
    EXPECT_EQ(CellDraws(0.0f, 64.0f).size(), 1u) << "the banner";
    engine.input->exposed = true;
    EXPECT_TRUE(UpdateNow());
}

// Nothing changes while markers fly, yet the outcome is judged again when one lands; with
// both sides gone at once the player has lost. Team 1 fights every other team.
TEST_F(BattleEnd, BothSidesGoneWhenAMarkerLandsIsADefeat) {
    Add("Ally", 100, 100, 1).dead = true;
    Add("Foe", 100, 100).dead = true;
    Add("Stray", 200, 200, 3, 0);
    battle.missiles = {Missile{50.0f, 50.0f, 50.0f, 54.0f, 0.0f, 2.0f}};
    ASSERT_TRUE(Frame());
    EXPECT_EQ(battle.messages, std::deque<std::string>{"Defeat! Your last fighter has fallen."});
}

} // namespace
