#include "planner/PlannedOrder.h"

#include "battle/BattleState.h"
#include "engine/NumberConversion.h"
#include "rules/Orders.h"
#include "rules/PlayerCommand.h"

int32_t PlannedOrder::Command() const {
    switch (kind) {
    case Kind::Walk:
        return 1;
    case Kind::Strike:
        return 4;
    case Kind::Shoot:
        return 6;
    case Kind::Hold:
        break;
    }
    return 2;
}

std::string PlannedOrder::Words(const BattleState& battle) const {
    switch (kind) {
    case Kind::Walk:
        return "walk to " + std::to_string(TruncateToInt(x)) + ", " +
               std::to_string(TruncateToInt(y));
    case Kind::Strike:
    case Kind::Shoot:
        return (kind == Kind::Strike ? "strike " : "shoot ") +
               battle.fighters[static_cast<std::size_t>(target)]->name + " until dead";
    case Kind::Hold:
        break;
    }
    return "hold";
}

void PlannedOrder::Give(BattleState& battle, bool untilDead) const {
    Fighter& fighter = *battle.decisionQueue.front();
    switch (kind) {
    case Kind::Walk:
        GiveMoveOrder(battle, fighter, x, y);
        return;
    case Kind::Strike:
    case Kind::Shoot:
        // Each attack's "once" command is the one before its "until dead".
        GiveAttackOrder(battle, fighter, *battle.fighters[static_cast<std::size_t>(target)],
                        untilDead ? Command() : Command() - 1);
        return;
    case Kind::Hold:
        break;
    }
    fighter.order = OrderCode::Hold;
    GiveOrder(battle);
}
