#include "insight/AttackOdds.h"

#include "battle/Fighter.h"
#include "rules/Orders.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// An approach that never gets there (a target it cannot close on) counts no further.
constexpr int32_t kStepLimit = 1000;
} // namespace

int32_t AttackOdds::HitRolls(int32_t skill) {
    int32_t rolls = 0;
    for (int32_t first = 1; first <= 6; ++first) {
        for (int32_t second = 1; second <= 6; ++second) {
            rolls += first + second <= skill;
        }
    }
    return rolls;
}

double AttackOdds::MeanHitsToKill(int32_t hitPoints, int32_t sides) {
    // mean[h]: the hits still needed with h hit points left.
    std::vector<double> mean(static_cast<std::size_t>(std::max(hitPoints, 0)) + 1, 0.0);
    for (int32_t h = 1; h <= hitPoints; ++h) {
        double sum = 0.0;
        for (int32_t damage = 1; damage <= sides; ++damage) {
            sum += h > damage ? mean[static_cast<std::size_t>(h - damage)] : 0.0;
        }
        mean[static_cast<std::size_t>(h)] = 1.0 + sum / sides;
    }
    return mean.back();
}

int32_t AttackOdds::StepsToReach(const Fighter& attacker, const Fighter& target) {
    // The approach's own arithmetic: re-aimed at the target before every step.
    float x = attacker.x, y = attacker.y;
    int32_t steps = 0;
    for (float d = Distance(x, y, target.x, target.y); !(d < kMeleeReach) && steps < kStepLimit;
         d = Distance(x, y, target.x, target.y)) {
        x += (target.x - x) * (1.0f / d);
        y += (target.y - y) * (1.0f / d);
        ++steps;
    }
    return steps;
}

AttackOdds AttackOdds::Of(const Fighter& attacker, const Fighter& target, bool melee) {
    AttackOdds odds;
    const int32_t skill = melee ? attacker.meleeSkill : attacker.missileSkill;
    odds.hitPercent = static_cast<int32_t>(std::lround(100.0 * HitRolls(skill) / 36.0));
    odds.damageSides = melee ? kBlowDamageSides : kShotDamageSides;
    // The action that reaches the target is already the first of the blow's.
    odds.actions = melee ? StepsToReach(attacker, target) + kMeleeCountdown : kMissileCountdown;
    odds.hitsToKill = MeanHitsToKill(target.hitPoints, odds.damageSides);
    return odds;
}
