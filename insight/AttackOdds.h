#pragma once

#include <cstdint>

class Fighter;

// What an attack the waiting fighter could order promises, as the rules give it: the
// chance of the two dice, the damage die, the actions until it lands and how many hits
// the target would take on average to fall.
struct AttackOdds {
    int32_t hitPercent = 0;  // rounded
    int32_t damageSides = 0; // damage 1 to this
    int32_t actions = 0;     // of the attacker's own, the walk to reach included
    double hitsToKill = 0.0;

    // A blow (`melee`) or a shot by `attacker` at `target` where both stand now.
    static AttackOdds Of(const Fighter& attacker, const Fighter& target, bool melee);

    // Rolls of two six-sided dice, out of 36, at or under `skill`.
    static int32_t HitRolls(int32_t skill);
    // Mean number of hits of 1 to `sides` damage each until `hitPoints` are gone.
    static double MeanHitsToKill(int32_t hitPoints, int32_t sides);
    // One-pixel steps of an approach until the target, standing still, is within reach.
    static int32_t StepsToReach(const Fighter& attacker, const Fighter& target);
};
