#include "rules/Orders.h"

#include "battle/BattleState.h"
#include "battle/PhaseTable.h"
#include "platform/Random.h"
#include "rules/CombatLog.h"
#include "rules/MeleeAttack.h"
#include "rules/MissileAttack.h"
#include "rules/Movement.h"
#include "sound/SoundSystem.h"

#include <algorithm>
#include <cmath>
#include <string>

float Distance(float x1, float y1, float x2, float y2) {
    // Each difference is a float before squaring, so results match the game everywhere.
    const float dx = x1 - x2;
    const float dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}

void GiveOrder(BattleState& battle) {
    if (!battle.decisionQueue.empty()) {
        if (battle.onOrder) {
            battle.onOrder(*battle.decisionQueue.front());
        }
        battle.decisionQueue.pop_front();
    }
    battle.awaitingOrder = false;
}

void LaunchMissile(BattleState& battle, const Fighter& attacker, const Fighter& target) {
    Missile missile;
    missile.x = attacker.x;
    missile.y = attacker.y;
    missile.targetX = target.x;
    missile.targetY = target.y;
    const float d = Distance(missile.x, missile.y, missile.targetX, missile.targetY);
    // A marker with no direction would never arrive and the battle would wait for it
    // for ever; an attack on one's own spot flies nothing.
    if (!(d > 0.0f)) {
        return;
    }
    missile.dx = (missile.targetX - missile.x) * (1.0f / d) * kMarkerSpeed;
    missile.dy = (missile.targetY - missile.y) * (1.0f / d) * kMarkerSpeed;
    battle.missiles.push_back(missile);
}

void ApplyDamage(BattleState& battle, Fighter& victim, int32_t damage, const Fighter* attacker) {
    const int32_t before = victim.hitPoints;
    const bool wasDead = victim.dead;
    victim.hitPoints -= damage;
    // A hit pushes a prepared attack back; pushed past its start it is lost.
    if (victim.countdown > 0) {
        victim.countdown += damage;
        if (victim.countdown > victim.countdownStart) {
            victim.countdown = 0;
            victim.countdownStart = 0;
            victim.order = OrderCode::None;
            AddMessage(battle, victim.name, " has been cancelled!");
        }
    }
    if (victim.hitPoints <= 0) {
        victim.hitPoints = 0;
        victim.dead = true;
        AddMessage(battle, victim.name, " has been killed!");
    }
    if (attacker != nullptr) {
        // A fighter that starts at or below 0 hit points has none to lose.
        battle.counts.Hit(battle.fighters, *attacker, victim,
                          std::max(before, 0) - victim.hitPoints, victim.dead && !wasDead);
    }
}

void DispatchPhase(BattleState& battle, int32_t phase) {
    // By index: an action never adds or removes fighters, and later fighters see what
    // earlier ones did in this phase.
    for (size_t i = 0; i < battle.fighters.size(); ++i) {
        Fighter& fighter = *battle.fighters[i];
        if (fighter.IsDead() || !ActsInPhase(fighter.speed, phase)) {
            continue;
        }
        switch (fighter.order) {
        case OrderCode::Move:
            MoveStep(battle, fighter);
            break;
        case OrderCode::MeleeOnce:
        case OrderCode::MeleeRepeat:
            MeleeAction(battle, fighter);
            break;
        case OrderCode::MissileOnce:
        case OrderCode::MissileRepeat:
            MissileAction(battle, fighter);
            break;
        case OrderCode::ApproachMeleeOnce:
        case OrderCode::ApproachMeleeRepeat:
            ApproachStep(battle, fighter);
            break;
        default:
            break;
        }
    }
}

bool CountDownAttack(BattleState& battle, Fighter& attacker, const char* launchSound) {
    Fighter* target = attacker.target;
    if (target == nullptr || target->IsDead()) {
        attacker.countdown = 0;
        attacker.countdownStart = 0;
        attacker.order = OrderCode::None;
        return false;
    }
    --attacker.countdown;
    if (attacker.countdown == 1) {
        if (launchSound != nullptr) {
            gSound->PlaySample(launchSound);
        }
        LaunchMissile(battle, attacker, *target);
    }
    return attacker.countdown == 0;
}

void RollAttack(BattleState& battle, const Fighter& attacker, Fighter& target, int32_t skill,
                const char* hitSound, int32_t damageSides) {
    // Separate statements: the dice must be drawn in this order.
    const int first = Random::Next() % 6;
    const int second = Random::Next() % 6;
    const bool hit = first + second + 2 <= skill;
    battle.counts.Attack(battle.fighters, attacker, hit);
    if (!hit) {
        AddMessage(battle, "Miss!");
        return;
    }
    gSound->PlaySample(hitSound);
    const int32_t damage = Random::Next() % damageSides + 1;
    AddMessage(battle, "It hits for ", damage, " damage!");
    ApplyDamage(battle, target, damage, &attacker);
}

void FinishAttack(Fighter& attacker, bool repeat, int32_t countdown) {
    if (repeat && !attacker.target->IsDead()) {
        attacker.countdown = countdown;
        attacker.countdownStart = countdown;
    } else {
        attacker.order = OrderCode::None;
    }
}
