#include "battle/Fighter.h"

#include "engine/GameError.h"
#include "engine/NumberConversion.h"

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

// Refuses a value that `valid` rejects (NaN and infinity among them) with a message that
// names the file, for whoever wrote it.
float Checked(const SettingsTable& settings, const char* key, const char* what,
              bool (*valid)(float), const char* range, const std::string& path) {
    const float number = Lookup(settings, key).number;
    if (!valid(number)) {
        char value[32];
        std::snprintf(value, sizeof value, "%g", static_cast<double>(number));
        throw GameError(std::string("Bad ") + what + " " + value + " in " + path + " (must be " +
                        range + ")");
    }
    return number;
}

} // namespace

void Fighter::Init(std::string path) {
    ConfiguredEntity::Init(path);

    // The speed picks a row of the phase table; one without a row is refused here rather
    // than read outside the table later.
    speed = TruncateToInt(Checked(
        settings, "speed", "speed", [](float v) { return v > -1.0f && v < 13.0f; }, "0 to 12",
        path));

    // Limited so that three times it still fits, with room below for the one hit that
    // kills a fighter starting at or below 0 hit points.
    health = TruncateToInt(Lookup(settings, "health").number, INT32_MIN / 3 + 4, INT32_MAX / 3);
    hitPoints = health * 3;
    maxHitPoints = health * 3;
    meleeSkill = WholeNumber(settings, "meleeskill");
    missileSkill = WholeNumber(settings, "missileskill");
    name = Lookup(settings, "name").text;
    countdown = 0;
    countdownStart = 0;
    // Far beyond the window a marker at 2 pixels a frame would take hours to arrive (or,
    // at infinity, never), and the battle waits for every marker.
    const auto onScreenish = [](float v) { return v >= -1000.0f && v <= 1000.0f; };
    x = Checked(settings, "posx", "position", onScreenish, "-1000 to 1000", path);
    y = Checked(settings, "posy", "position", onScreenish, "-1000 to 1000", path);
    team = WholeNumber(settings, "team");
    destX = -1.0f;
    destY = -1.0f;
    order = OrderCode::None;
    dead = false;
    target = nullptr;
}
