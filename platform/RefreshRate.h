#pragma once

// The refresh rate of the display that the current OpenGL window is on, where the driver
// tells it (GLX_OML_sync_control), in Hz; 0 when it cannot be learned, as under Xvfb.
// Needs the window's OpenGL context to be current.
class RefreshRate {
public:
    static double OfCurrentWindow();
};
