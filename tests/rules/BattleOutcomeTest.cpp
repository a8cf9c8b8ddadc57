#include "rules/BattleOutcome.h"
#include "tests/support/HandBuiltBattle.h"

using RulesTest = HandBuiltBattle;

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
