#include "graphics/WindowScale.h"

#include "engine/GameError.h"

#include <cmath>
#include <cstdio>

int32_t WindowScale::FromSettings(const SettingsTable& settings, const std::string& path) {
    const auto found = settings.find("scale");
    if (found == settings.end()) {
        return 1;
    }
    const Setting& entry = found->second;
    const float value = entry.number;
    if (entry.kind == 1 && value >= 0.0f && value <= kLargest && value == std::trunc(value)) {
        return static_cast<int32_t>(value);
    }
    std::string shown = entry.text;
    if (entry.kind == 1) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", static_cast<double>(value));
        shown = number;
    }
    throw GameError("Bad scale " + shown + " in " + path + " (must be a whole number from 0 to " +
                    std::to_string(kLargest) + ")");
}

int32_t WindowScale::Fit(int32_t desktopWidth, int32_t desktopHeight, int32_t gameWidth,
                         int32_t gameHeight) {
    if (gameWidth <= 0 || gameHeight <= 0) {
        return 1;
    }
    // In 64 bits: sides come from the settings file and can be anything up to 65535.
    const auto fits = [](int64_t desktop, int64_t game, int64_t scale) {
        return game * scale * 10 <= desktop * 9;
    };
    int32_t scale = kLargest;
    while (scale > 1 &&
           !(fits(desktopWidth, gameWidth, scale) && fits(desktopHeight, gameHeight, scale))) {
        --scale;
    }
    return scale;
}
