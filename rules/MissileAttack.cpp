#include "rules/MissileAttack.h"

#include "battle/BattleState.h"
#include "battle/GameFiles.h"
#include "rules/CombatLog.h"
#include "rules/Orders.h"

void MissileAction(BattleState& battle, Fighter& fighter) {
    if (!CountDownAttack(battle, fighter, GameFiles::kArrowFire)) {
        return;
    }
    Fighter& target = *fighter.target;
    const bool repeat = fighter.order == OrderCode::MissileRepeat;

    // No range, no line of sight: a shot always reaches.
    AddMessage(battle, fighter.name, " fires a missile attack at ", target.name, "!");
    RollAttack(battle, fighter, target, fighter.missileSkill, GameFiles::kArrowHit,
               kShotDamageSides);
    FinishAttack(fighter, repeat, kMissileCountdown);
}
