#include "platform/Random.h"
#include "rules/BattleOutcome.h"
#include "rules/ComputerDecision.h"
#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"

#include <algorithm>

// Eight fighters, all decided by the computer, run as the battle loop runs them: the
// decision for the fighter the phase step queued, else the markers land at once, else the
// next phase step. The computer only attacks the first four, so the run ends when they are
// dead.
class BattleRunTest : public RulesTest {
protected:
    void Step() {
        if (battle.awaitingOrder) {
            Fighter& asked = *battle.decisionQueue.front();
            DecideComputerOrder(battle);
            ASSERT_FALSE(battle.awaitingOrder);
            ASSERT_NE(asked.order, OrderCode::None);
            return;
        }
        battle.missiles.clear();
        battle.StepPhase();
        for (auto& f : battle.fighters) {
            ASSERT_GE(f->hitPoints, 0);
            ASSERT_EQ(f->IsDead(), f->hitPoints == 0);
            const OrderCode o = f->order;
            if (o >= OrderCode::MeleeOnce && o <= OrderCode::MissileRepeat) {
                ASSERT_TRUE(f->countdown >= 1 && f->countdown <= f->countdownStart) << f->name;
            } else {
                ASSERT_EQ(f->countdown, 0) << f->name;
            }
        }
    }
};

TEST_F(BattleRunTest, EndsWithTheFirstFourDeadAndTheRestHolding) {
    for (uint32_t seed : {1u, 2u, 99u, 4242u}) {
        SCOPED_TRACE(seed);
        Random::Seed(seed);
        battle.fighters.clear();
        battle.phase = 1;
        const int32_t speeds[8] = {12, 7, 4, 1, 9, 5, 3, 10};
        for (int i = 0; i < 8; ++i) {
            Fighter& f = Add("F" + std::to_string(i), i < 4 ? 40.0f : 220.0f,
                             20.0f + 60.0f * (i % 4), i < 4 ? 1 : 2);
            f.speed = speeds[i];
            f.meleeSkill = 4 + i % 3 * 2; // missile, either and melee fighters
            f.missileSkill = 6;
            f.hitPoints = 40;
        }
        for (int steps = 0; JudgeOutcome(battle) == BattleOutcome::Undecided;) {
            ASSERT_LT(++steps, 500000) << "the battle stalled";
            ASSERT_NO_FATAL_FAILURE(Step());
        }
        EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Defeat);
        for (int i = 0; i < 100; ++i) {
            ASSERT_NO_FATAL_FAILURE(Step());
        }
        const auto firstFour = battle.fighters.begin() + 4;
        EXPECT_TRUE(std::all_of(firstFour, battle.fighters.end(), [](const auto& f) {
            return f->IsDead() || f->order == OrderCode::Hold;
        }));
    }
}

// Team 1 against everyone else; a side with nobody alive has lost, and when both sides
// are gone at once the player has.
TEST_F(RulesTest, OutcomeIsDecidedWhenOneSideHasNobodyAlive) {
    Fighter& ana = Add("Ana", 10, 10, 1);
    Fighter& bo = Add("Bo", 40, 10, 2);
    Fighter& cy = Add("Cy", 70, 10, 3);
    EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Undecided);
    bo.dead = true;
    EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Undecided); // team 3 fights on
    cy.dead = true;
    EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Victory);
    ana.dead = true;
    EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Defeat);
    bo.dead = false;
    EXPECT_EQ(JudgeOutcome(battle), BattleOutcome::Defeat);
}
