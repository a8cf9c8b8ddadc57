#include "rules/Movement.h"

#include "battle/BattleState.h"
#include "rules/CombatLog.h"
#include "rules/Orders.h"

#include <cmath>

void MoveStep(BattleState& battle, Fighter& fighter) {
    const float newX = fighter.x + fighter.stepX;
    const float newY = fighter.y + fighter.stepY;

    // No path-finding and no sliding: anyone living too close to the new spot refuses the
    // step outright, the target of an approach included.
    for (const auto& other : battle.fighters) {
        if (other.get() == &fighter || other->IsDead()) {
            continue;
        }
        // Far off on either axis is far off: most of the field needs no root.
        if (std::fabs(other->x - newX) >= kBlockRadius ||
            std::fabs(other->y - newY) >= kBlockRadius) {
            continue;
        }
        if (Distance(other->x, other->y, newX, newY) < kBlockRadius) {
            fighter.order = OrderCode::None;
            AddMessage(battle, fighter.name, " is blocked.");
            return;
        }
    }

    fighter.x = newX;
    fighter.y = newY;

    // Within a pixel on both axes counts as there; the fighter is not snapped onto the
    // point, so walks end a fraction short or past it.
    if (fighter.destX - 1.0f < fighter.x && fighter.x < fighter.destX + 1.0f &&
        fighter.destY - 1.0f < fighter.y && fighter.y < fighter.destY + 1.0f) {
        fighter.order = OrderCode::None;
    }
}
