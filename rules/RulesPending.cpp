// Placeholder bodies so the game links while the rules are written; removed when they land.
#include "battle/BattleState.h"
#include "rules/CombatLog.h"
#include "rules/ComputerDecision.h"
#include "rules/MeleeAttack.h"
#include "rules/MissileAttack.h"
#include "rules/Movement.h"
#include "rules/Orders.h"
#include "rules/PlayerCommand.h"

#include <cmath>

float Distance(float x1, float y1, float x2, float y2) {
    const float dx = x1 - x2;
    const float dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}
void GiveOrder(BattleState&) {}
void LaunchMissile(BattleState&, const Fighter&, const Fighter&) {}
void ApplyDamage(BattleState&, Fighter&, int32_t) {}
void DispatchPhase(BattleState&, int32_t) {}
void MoveStep(BattleState&, Fighter&) {}
void ApproachStep(BattleState&, Fighter&) {}
void MeleeAction(BattleState&, Fighter&) {}
void MissileAction(BattleState&, Fighter&) {}
void DecideComputerOrder(BattleState&) {}
void PlayerCommand(BattleState&) {}
