#include "battle/PhaseTable.h"
#include "platform/Random.h"
#include "rules/ComputerDecision.h"
#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"

namespace {

bool Attacking(OrderCode order) {
    return order == OrderCode::MeleeOnce || order == OrderCode::MeleeRepeat ||
           order == OrderCode::MissileOnce || order == OrderCode::MissileRepeat;
}

} // namespace

// Eight fighters, every one decided by the computer, run the way the battle loop runs
// them: ask the first idle fighter of the phase, else let the markers fly, else act. The
// computer only attacks the first four, so the run ends when they are dead.
class BattleRunTest : public RulesTest {
protected:
    void StartBattle() {
        battle.fighters.clear();
        battle.missiles.clear();
        battle.phase = 1;
        const int32_t speeds[8] = {12, 7, 4, 1, 9, 5, 3, 10};
        for (int i = 0; i < 8; ++i) {
            Fighter& f = Add("F" + std::to_string(i), i < 4 ? 40.0f : 200.0f,
                             20.0f + 30.0f * (i % 4) + 60.0f * (i / 4 % 2), i < 4 ? 1 : 2);
            f.speed = speeds[i];
            f.meleeSkill = 4 + i % 3 * 2; // 4, 6, 8: melee, equal and missile fighters
            f.missileSkill = 6;
            f.hitPoints = f.maxHitPoints = 12 + i;
        }
    }

    Fighter* FirstIdleActing() {
        for (auto& f : battle.fighters) {
            if (!f->IsDead() && ActsInPhase(f->speed, battle.phase) &&
                f->order == OrderCode::None) {
                return f.get();
            }
        }
        return nullptr;
    }

    bool FirstFourDead() const {
        for (int i = 0; i < 4; ++i) {
            if (!battle.fighters[i]->IsDead()) {
                return false;
            }
        }
        return true;
    }

    // One frame of the loop; false when something would hold the battle for ever.
    void Step() {
        if (Fighter* idle = FirstIdleActing()) {
            Ask(*idle);
            DecideComputerOrder(battle);
            ASSERT_FALSE(battle.awaitingOrder);
            ASSERT_NE(idle->order, OrderCode::None) << idle->name;
            return;
        }
        for (Missile& m : battle.missiles) {
            int frames = 0;
            while (Distance(m.x, m.y, m.targetX, m.targetY) >= 8.0f) {
                m.x += m.dx;
                m.y += m.dy;
                ASSERT_LT(++frames, 400) << "a marker never arrives";
            }
        }
        battle.missiles.clear();
        DispatchPhase(battle, battle.phase);
        battle.phase = battle.phase % 12 + 1;
    }

    void CheckInvariants() {
        for (auto& f : battle.fighters) {
            ASSERT_GE(f->hitPoints, 0) << f->name;
            ASSERT_EQ(f->IsDead(), f->hitPoints == 0) << f->name;
            if (Attacking(f->order)) {
                ASSERT_NE(f->target, nullptr) << f->name;
                ASSERT_GE(f->countdown, 1) << f->name;
                ASSERT_LE(f->countdown, f->countdownStart) << f->name;
            } else {
                ASSERT_EQ(f->countdown, 0) << f->name;
            }
        }
    }
};

TEST_F(BattleRunTest, ComputerBattleEndsWithTheFirstFourDeadAndEveryoneElseHolding) {
    for (uint32_t seed : {1u, 2u, 99u, 4242u}) {
        SCOPED_TRACE(seed);
        Random::Seed(seed);
        StartBattle();
        int steps = 0;
        while (!FirstFourDead()) {
            ASSERT_LT(++steps, 200000) << "the battle stalled";
            ASSERT_NO_FATAL_FAILURE(Step());
            ASSERT_NO_FATAL_FAILURE(CheckInvariants());
        }
        // Nobody left to attack: each survivor is asked once more and then holds.
        for (int i = 0; i < 100; ++i) {
            ASSERT_NO_FATAL_FAILURE(Step());
        }
        for (int i = 4; i < 8; ++i) {
            Fighter& f = *battle.fighters[i];
            EXPECT_TRUE(f.IsDead() || f.order == OrderCode::Hold) << f.name;
        }
    }
}
