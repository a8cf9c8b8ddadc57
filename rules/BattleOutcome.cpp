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

const char* ClosingLine(BattleOutcome outcome) {
    switch (outcome) {
    case BattleOutcome::Victory:
        return "Victory! The last enemy has fallen.";
    case BattleOutcome::Defeat:
        return "Defeat! Your last fighter has fallen.";
    case BattleOutcome::Undecided:
        break;
    }
    return "";
}
