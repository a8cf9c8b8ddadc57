#pragma once

#include <cstdint>
#include <string>

class CheckReport;

// The eight fighter files, each on its own (the settings checks, the values the game
// refuses, the battlefield, a fighter that never acts or starts dead) and together
// (fighters too close to step, empty sides, the computer's choice of targets, names the
// font cannot draw).
class FighterFilesCheck {
public:
    // `glyphWidths`: the font's (index: code - 33), or null when there is no font to ask.
    // `folder`: the battle folder whose NPCs/ holds them; empty for the game folder's own.
    static void Run(CheckReport& report, const int32_t* glyphWidths,
                    const std::string& folder = "");
};
