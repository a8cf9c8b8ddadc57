#include "rules/MeleeAttack.h"

#include "battle/BattleState.h"
#include "battle/GameFiles.h"
#include "rules/CombatLog.h"
#include "rules/Movement.h"
#include "rules/Orders.h"

void ApproachStep(BattleState& battle, Fighter& fighter) {
    Fighter* target = fighter.target;
    if (target == nullptr || target->IsDead()) {
        fighter.order = OrderCode::None;
        fighter.target = nullptr;
        fighter.countdown = 0;
        fighter.countdownStart = 0;
        return;
    }

    const float d = Distance(fighter.x, fighter.y, target->x, target->y);
    if (d < kMeleeReach) {
        // The action that reaches the target already counts as the first of the blow's.
        fighter.countdown = kMeleeCountdown;
        fighter.countdownStart = kMeleeCountdown;
        fighter.order = fighter.order == OrderCode::ApproachMeleeOnce ? OrderCode::MeleeOnce
                                                                      : OrderCode::MeleeRepeat;
        MeleeAction(battle, fighter);
        return;
    }

    // Re-aimed every step, so the approach follows a target that walks.
    fighter.destX = target->x;
    fighter.destY = target->y;
    fighter.stepX = (fighter.destX - fighter.x) * (1.0f / d);
    fighter.stepY = (fighter.destY - fighter.y) * (1.0f / d);
    MoveStep(battle, fighter);
}

void MeleeAction(BattleState& battle, Fighter& fighter) {
    if (!CountDownAttack(battle, fighter, nullptr)) {
        return;
    }
    Fighter& target = *fighter.target;
    const bool repeat = fighter.order == OrderCode::MeleeRepeat;

    // The blow is resolved where the target stands now, not where the marker flew.
    if (!(Distance(fighter.x, fighter.y, target.x, target.y) < kMeleeReach)) {
        AddMessage(battle, "Target out of range!");
        fighter.order = OrderCode::None;
        return;
    }

    AddMessage(battle, fighter.name, " swings at ", target.name, "!");
    RollAttack(battle, fighter, target, fighter.meleeSkill, GameFiles::kSwordHit, kBlowDamageSides);
    FinishAttack(fighter, repeat, kMeleeCountdown);
}
