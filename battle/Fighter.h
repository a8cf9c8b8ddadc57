#pragma once

#include "battle/ConfiguredEntity.h"
#include "rules/OrderCode.h"

#include <cstdint>
#include <string>

// One combatant, loaded from a fighter file ("NPCs\fighter1.cfg" ...). A plain record:
// the battle loop, the panels and the rules read and write its fields directly.
// Positions are the top-left corner of the 16 x 16 sprite, in screen pixels.
class Fighter final : public ConfiguredEntity {
public:
    float x = 0.0f;
    float y = 0.0f;
    float stepX = 0.0f; // unit vector of a walk, fixed when the order is given
    float stepY = 0.0f;
    float destX = -1.0f; // -1 means no destination
    float destY = -1.0f;
    int32_t team = 0; // 1 is the player's side; every other team is the computer's
    OrderCode order = OrderCode::None;
    int32_t countdown = 0;      // own actions left before the prepared attack lands
    int32_t countdownStart = 0; // full length of the countdown bar
    int32_t health = 0;
    int32_t hitPoints = 0; // 3 x health; never negative
    int32_t maxHitPoints = 0;
    int32_t speed = 0; // row of the phase table: acts in this many of the 12 phases
    int32_t meleeSkill = 0;
    int32_t missileSkill = 0;
    std::string name;
    Fighter* target = nullptr; // points into the battle's fighter list; not owned

    // The keys Init reads; every one holds a number except kNameKey.
    static constexpr const char* kKeys[] = {"name",       "team",         "speed", "health",
                                            "meleeskill", "missileskill", "posx",  "posy"};
    static constexpr const char* kNameKey = "name";

    // A key whose value the game refuses outside a range, with the words of the refusal.
    struct Limit {
        const char* key;
        const char* what;  // "speed", "position"
        const char* range; // "0 to 12"
        bool (*valid)(float);
    };
    static const Limit kSpeedLimit, kPosXLimit, kPosYLimit;

    // "Bad speed 13 in NPCs\fighter1.cfg (must be 0 to 12)".
    static std::string Refusal(const Limit& limit, float value, const std::string& path);

    // Throws GameError when the file cannot be read, its speed has no phase-table row or
    // its position is far off the window.
    void Init(std::string path) override;
};
