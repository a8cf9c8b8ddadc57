#include "battle/PhaseTable.h"
#include "engine/Kernel.h"
#include "tests/battle/BattleFixture.h"

namespace {

using BattleLoop = BattleFixture;

// A speed is the number of phases of the twelve a fighter acts in, spread over the turn.
TEST(PhaseTable, EachSpeedActsInItsOwnPhases) {
    const char* const rows[13] = {"............", "...........x", ".....x.....x", "...x...x...x",
                                  "..x..x..x..x", "..x.x..x.x.x", ".x.x.x.x.x.x", ".xx.x.xx.x.x",
                                  ".xx.xx.xx.xx", ".xxx.xxx.xxx", ".xxxxx.xxxxx", ".xxxxxxxxxxx",
                                  "xxxxxxxxxxxx"};
    for (int32_t speed = -1; speed <= 13; ++speed) {
        for (int32_t phase = 0; phase <= 13; ++phase) {
            const bool row = speed >= 0 && speed <= 12 && phase >= 1 && phase <= 12;
            EXPECT_EQ(ActsInPhase(speed, phase), row && rows[speed][phase - 1] == 'x')
                << "speed " << speed << " phase " << phase;
        }
    }
}

// A frame is due once more than 17 ms of ticks have passed since the last phase step
// (across the counter wrapping too); each reseeds, and phase 12 is followed by phase 1.
TEST_F(BattleLoop, NothingHappensUntilEighteenMillisecondsHavePassed) {
    Add("Ally", 100, 100, 1, 0); // both sides stand, so the battle goes on
    Add("Foe", 100, 100, 2, 0);
    battle.phase = 12;
    clock.now = 1005;
    EXPECT_FALSE(UpdateNow());
    EXPECT_EQ(13000u, clock.slept) << "sleeps until the step is due instead of spinning";
    clock.now = 1017;
    EXPECT_FALSE(UpdateNow());
    clock.now = 1018;
    EXPECT_TRUE(UpdateNow());
    EXPECT_EQ(std::vector<uint32_t>{1018u}, random.seeds);
    EXPECT_EQ(1, battle.phase);

    battle.lastTick = 0xFFFFFFF0u;
    clock.now = 1;
    EXPECT_FALSE(UpdateNow());
    clock.now = 2;
    EXPECT_TRUE(UpdateNow());
}

// The first living fighter that acts in the phase and has no order is asked, alone, and
// the phase waits; the asking step renews the pacing, the frames of a waiting phase do not.
// With the real deciders the computer answers in the frame it is asked, the player once a
// command is chosen.
TEST_F(BattleLoop, TheFirstIdleActingFighterIsAskedAndThePhaseWaits) {
    Add("Holding", 200, 200, 1).order = OrderCode::Hold;
    Add("Later", 240, 240, 1, 3); // does not act in phase 1
    Add("Dead", 100, 100, 1).dead = true;
    Fighter& ann = Add("Ann", 100, 100, 1);
    Fighter& orc = Add("Orc", 110, 100);
    orc.meleeSkill = 12; // prefers the blade, and Ann stands within reach

    ASSERT_TRUE(Frame());
    ASSERT_EQ(battle.decisionQueue, std::deque<Fighter*>{&ann});
    EXPECT_FALSE(UpdateNow()) << "the asking step renewed the pacing";
    clock.now += 18;
    EXPECT_TRUE(UpdateNow());
    EXPECT_TRUE(UpdateNow()) << "a waiting frame does not renew the pacing";
    EXPECT_TRUE(battle.awaitingOrder) << "no command chosen yet";
    battle.interface->command = 2; // Hold
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(OrderCode::Hold, ann.order);

    ASSERT_TRUE(UpdateNow());
    ASSERT_EQ(battle.decisionQueue, std::deque<Fighter*>{&orc});
    ASSERT_TRUE(Frame());
    EXPECT_EQ(OrderCode::MeleeRepeat, orc.order);
    EXPECT_EQ(&ann, orc.target);
    EXPECT_EQ(1, battle.phase);
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

// Markers fly 2 pixels a frame until within 8 pixels of their point, and no phase runs
// meanwhile; a marker that arrives is still drawn in that frame, at its position cut
// toward zero, and does not make the next one skip its step.
TEST_F(BattleLoop, MarkersHoldThePhasesUntilTheyArrive) {
    Add("Guard", 100, 100).order = OrderCode::Hold;
    Add("Ally", 100, 100, 1, 0);
    battle.missiles = {Missile{50.0f, 50.0f, 50.0f, 54.0f, 0.0f, 2.0f},
                       Missile{100.0f, 100.0f, 100.0f, 119.5f, 0.0f, 2.0f},
                       Missile{-3.0f, 10.9f, -10.0f, 11.0f, -0.5f, 0.5f}};
    ASSERT_TRUE(Frame());
    EXPECT_EQ(CellDraws(64.0f, 240.0f), (Places{{50, 52}, {100, 102}, {-3, 11}}));
    for (int frame = 2; frame <= 6; ++frame) {
        ASSERT_TRUE(UpdateNow());
        EXPECT_EQ(CellDraws(64.0f, 240.0f), (Places{{100, 100 + 2 * frame}})) << frame;
        EXPECT_EQ(1, battle.phase);
    }
    EXPECT_TRUE(battle.missiles.empty()) << "at 112 the last is 7.5 short of its point";
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

// Ann's shot kills the last enemy in the phase in which Bo looses an arrow: the battle is
// over at once. Bo's marker is dropped, Cy (idle, acting in phase 12) is never asked, and
// the field rests under the banner with only Again and Quit, drawn again only when the
// pointer moves or the window is uncovered. Keys do nothing while nobody waits; at the
// end only Q (and R) do.
TEST_F(BattleLoop, TheLastEnemyFallingEndsTheBattleWhichThenRests) {
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
        Arm(*archer, foe, OrderCode::MissileRepeat, 24);
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
TEST_F(BattleLoop, BothSidesGoneWhenAMarkerLandsIsADefeat) {
    Add("Ally", 100, 100, 1).dead = true;
    Add("Foe", 100, 100).dead = true;
    Add("Stray", 200, 200, 3, 0);
    battle.missiles = {Missile{50.0f, 50.0f, 50.0f, 54.0f, 0.0f, 2.0f}};
    ASSERT_TRUE(Frame());
    EXPECT_EQ(battle.messages, std::deque<std::string>{"Defeat! Your last fighter has fallen."});
}

} // namespace
