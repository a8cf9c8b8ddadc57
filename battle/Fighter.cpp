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

// Refuses a value that the limit rejects (NaN and infinity among them).
float Checked(const SettingsTable& settings, const Fighter::Limit& limit, const std::string& path) {
    const float number = Lookup(settings, limit.key).number;
    if (!limit.valid(number)) {
        throw GameError(Fighter::Refusal(limit, number, path));
    }
    return number;
}

// Far beyond the window a marker at 2 pixels a frame would take hours to arrive (or, at
// infinity, never), and the battle waits for every marker.
bool OnScreenish(float v) {
    return v >= -1000.0f && v <= 1000.0f;
}

} // namespace

// The speed picks a row of the phase table; one without a row is refused at loading
// rather than read outside the table later.
const Fighter::Limit Fighter::kSpeedLimit = {"speed", "speed", "0 to 12",
                                             [](float v) { return v > -1.0f && v < 13.0f; }};
const Fighter::Limit Fighter::kPosXLimit = {"posx", "position", "-1000 to 1000", OnScreenish};
const Fighter::Limit Fighter::kPosYLimit = {"posy", "position", "-1000 to 1000", OnScreenish};

// Names the file, for whoever wrote it.
std::string Fighter::Refusal(const Limit& limit, float value, const std::string& path) {
    char number[32];
    std::snprintf(number, sizeof number, "%g", static_cast<double>(value));
    return std::string("Bad ") + limit.what + " " + number + " in " + path + " (must be " +
           limit.range + ")";
}

void Fighter::Init(std::string path) {
    ConfiguredEntity::Init(path);

    speed = TruncateToInt(Checked(settings, kSpeedLimit, path));

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
    x = Checked(settings, kPosXLimit, path);
    y = Checked(settings, kPosYLimit, path);
    team = WholeNumber(settings, "team");
    destX = -1.0f;
    destY = -1.0f;
    order = OrderCode::None;
    dead = false;
    target = nullptr;
}
