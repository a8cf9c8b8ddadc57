#include "battle/Fighter.h"

#include "battle/Truncate.h"
#include "engine/GameError.h"

#include <cstdio>

namespace {

// A key the file does not carry reads as 0 and the empty text, without adding it to the
// table (which keeps exactly what the file holds).
const Setting& Lookup(const SettingsTable& settings, const char* key) {
    static const Setting missing;
    const auto found = settings.find(key);
    return found == settings.end() ? missing : found->second;
}

int32_t WholeNumber(const SettingsTable& settings, const char* key) {
    return TruncateToInt(Lookup(settings, key).number);
}

} // namespace

void Fighter::Init(std::string path) {
    ConfiguredEntity::Init(path);

    // The speed picks a row of the phase table; one without a row is refused here rather
    // than read outside the table later.
    const float speedNumber = Lookup(settings, "speed").number;
    if (!(speedNumber > -1.0f && speedNumber < 13.0f)) {
        char value[32];
        std::snprintf(value, sizeof value, "%g", static_cast<double>(speedNumber));
        throw GameError("Bad speed " + std::string(value) + " in " + path + " (must be 0 to 12)");
    }
    speed = TruncateToInt(speedNumber);

    // Limited so that three times it still fits.
    health = TruncateToInt(Lookup(settings, "health").number, INT32_MIN / 3, INT32_MAX / 3);
    hitPoints = health * 3;
    maxHitPoints = health * 3;
    meleeSkill = WholeNumber(settings, "meleeskill");
    missileSkill = WholeNumber(settings, "missileskill");
    name = Lookup(settings, "name").text;
    countdown = 0;
    countdownStart = 0;
    x = Lookup(settings, "posx").number;
    y = Lookup(settings, "posy").number;
    team = WholeNumber(settings, "team");
    destX = -1.0f;
    destY = -1.0f;
    order = OrderCode::None;
    dead = false;
    target = nullptr;
}
