#include "rules/BattleOutcome.h"

#include "battle/BattleState.h"

BattleOutcome JudgeOutcome(const BattleState& battle) {
    bool playerAlive = false;
    bool enemyAlive = false;
    for (const auto& fighter : battle.fighters) {
        if (!fighter->dead) {
            (fighter->team == 1 ? playerAlive : enemyAlive) = true;
        }
    }
    if (!playerAlive) {
        return BattleOutcome::Defeat; // both sides gone at once counts as a defeat
    }
    return enemyAlive ? BattleOutcome::Undecided : BattleOutcome::Victory;
}
