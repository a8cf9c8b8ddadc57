#pragma once

#include <cstdint>

class CheckReport;

// The font description read with the game's parser, and its sheet.
class FontCheck {
public:
    // Reports what is wrong; true, with the glyph widths the game will use (index: code -
    // 33), when the description could be read whole.
    static bool Run(CheckReport& report, int32_t (&widths)[256]);
};
