#pragma once

#include "engine/Setting.h"

#include <cstdint>
#include <string>

// The arithmetic of the window scale: the game draws in its own pixels, and the window
// shows each as a k x k block. No SDL or OpenGL here, so it can be checked alone.
class WindowScale {
public:
    static constexpr int32_t kLargest = 8;

    // The `scale` key of the settings read from `path`: 0 (fit the desktop) to kLargest, and
    // 1 when the key is missing, so that older files behave exactly as before. Throws
    // GameError naming the file and the value for anything else.
    static int32_t FromSettings(const SettingsTable& settings, const std::string& path);

    // The largest scale, 1 to kLargest, at which a game of gameWidth x gameHeight fits in
    // nine tenths of the desktop each way, leaving room for a title bar and a panel. 1 when
    // even that does not fit, the desktop size is unknown (0) or a game side is 0 (SDL's
    // choice of size, which is not scaled).
    static int32_t Fit(int32_t desktopWidth, int32_t desktopHeight, int32_t gameWidth,
                       int32_t gameHeight);

    // A window coordinate (0 or more) as the game pixel it falls in.
    static int32_t ToGame(int32_t windowCoordinate, int32_t scale) {
        return windowCoordinate / scale;
    }
};
