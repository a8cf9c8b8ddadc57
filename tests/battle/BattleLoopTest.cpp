#include "battle/PhaseTable.h"
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
    EXPECT_TRUE(random.seeds.empty());
    clock.now = 1018;
    EXPECT_TRUE(UpdateNow());
    EXPECT_EQ(std::vector<uint32_t>{1018u}, random.seeds);
    EXPECT_EQ(1, battle.phase);
    EXPECT_EQ(1018u, battle.lastTick);

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
    for (int call = 0; call < 3; ++call) {
        EXPECT_TRUE(UpdateNow());
        EXPECT_TRUE(battle.awaitingOrder) << "no command chosen yet";
    }
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
    for (int frame = 1; frame <= 6; ++frame) {
        SCOPED_TRACE(frame);
        if (frame > 1) {
            ASSERT_TRUE(UpdateNow());
        }
        using Places = std::vector<std::pair<int32_t, int32_t>>;
        Places drawnAt;
        for (const auto& draw : CellDraws(64.0f, 240.0f)) {
            drawnAt.emplace_back(draw.x, draw.y);
        }
        const Places expected =
            frame == 1 ? Places{{50, 52}, {100, 102}, {-3, 11}} : Places{{100, 100 + 2 * frame}};
        EXPECT_EQ(drawnAt, expected);
        EXPECT_EQ(1, battle.phase);
    }
    EXPECT_TRUE(battle.missiles.empty()) << "at 112 the last is 7.5 short of its point";
    ASSERT_TRUE(UpdateNow());
    EXPECT_EQ(2, battle.phase);
}

} // namespace
