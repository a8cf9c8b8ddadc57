#pragma once

class CheckReport;

// The combat sounds and the music, each opened by the game's own sound layer on SDL's
// silent audio driver.
class SoundCheck {
public:
    static void Run(CheckReport& report);
};
