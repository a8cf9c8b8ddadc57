#pragma once

#include <cstdint>

class BattleState;
class Fighter;

// Distances are between fighters' positions (the sprites' top-left corners).
constexpr float kMeleeReach = 24.0f;
constexpr float kBlockRadius = 12.0f;
constexpr int32_t kMeleeCountdown = 8;
constexpr int32_t kMissileCountdown = 24;
constexpr int32_t kBlowDamageSides = 6, kShotDamageSides = 4;
constexpr float kMarkerSpeed = 2.0f; // pixels per drawn frame
// Positions at which a whole fighter stands on the battlefield, on either axis.
constexpr float kFieldFirstPosition = 8.0f;
constexpr float kFieldLastPosition = 248.0f;

// Euclidean distance in single precision.
float Distance(float x1, float y1, float x2, float y2);

// Ends every decision: the front fighter leaves the decision queue and the battle stops
// waiting. The giver has already set the order's fields.
void GiveOrder(BattleState& battle);

// Appends a marker flying from the attacker to where the target stands now.
void LaunchMissile(BattleState& battle, const Fighter& attacker, const Fighter& target);

// Lowers the victim's hit points; may push back or cancel its attack and may kill it,
// each with its message line. The battle's counts hear of it when the attacker is given.
void ApplyDamage(BattleState& battle, Fighter& victim, int32_t damage,
                 const Fighter* attacker = nullptr);

// One action for every living fighter that acts in `phase`, in list order.
void DispatchPhase(BattleState& battle, int32_t phase);

// The parts every attack action shares, melee and missile alike.
//
// Drops the order silently when the target is gone, counts down one action, and one
// action before the attack lands plays `launchSound` (none when null) and launches the
// marker. True when the attack lands in this action.
bool CountDownAttack(BattleState& battle, Fighter& attacker, const char* launchSound);
// After the announcing line: two six-sided dice against the skill, then on a hit the
// sound, the damage die and its line, and ApplyDamage. The battle's counts hear of the roll.
void RollAttack(BattleState& battle, const Fighter& attacker, Fighter& target, int32_t skill,
                const char* hitSound, int32_t damageSides);
// Ends a single attack; a repeating one is prepared again unless its target died.
void FinishAttack(Fighter& attacker, bool repeat, int32_t countdown);
