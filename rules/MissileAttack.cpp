#include "rules/MissileAttack.h"

#include "battle/BattleState.h"
#include "rules/CombatLog.h"
#include "rules/Orders.h"

void MissileAction(BattleState& battle, Fighter& fighter) {
    if (!CountDownAttack(battle, fighter, "Sounds\\arrow_fire.wav")) {
        return;
    }
    Fighter& target = *fighter.target;
    const bool repeat = fighter.order == OrderCode::MissileRepeat;

    // No range, no line of sight: a shot always reaches.
    AddMessage(battle, fighter.name + " fires a missile attack at " + target.name + "!");
    RollAttack(battle, target, fighter.missileSkill, "Sounds\\arrow_hit.wav", 4);
    FinishAttack(fighter, repeat, kMissileCountdown);
}
