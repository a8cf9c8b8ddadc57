#pragma once

#include "engine/Subsystem.h"
#include "graphics/Texture.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The one proportional bitmap font. The description file names the sheet and gives each
// character's width and x in the sheet; the glyph of code c sits in its own 16-pixel band
// of rows starting at (c - 33) * 16. Owned by the battle state, not a kernel subsystem.
//
// Only "!" to "~" have glyphs. The space and every other code (control characters, bytes
// above 126) draw nothing and advance the pen by half the sheet's width.
class Font : public Subsystem {
public:
    static constexpr int32_t kGlyphHeight = 16;
    static constexpr int32_t kGap = 2;

    Texture sheet;
    int32_t glyphWidth[256] = {}; // index: code - 33
    int32_t glyphX[256] = {};

    ~Font() override = default;

    // Loads the description and its sheet; the sheet's load is the only failure.
    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}

    // One line of text, its first glyph's top-left corner at (x, y).
    virtual void DrawText(std::string text, int32_t x, int32_t y, float red, float green,
                          float blue);
    virtual void DrawChar(int32_t x, int32_t y, int32_t code, float red, float green, float blue);
    // How far DrawText moves its pen over the text, for centring it.
    int32_t TextWidth(const std::string& text) const;

    // Reads the sheet path and the 256 widths and 256 x positions from whitespace-separated
    // text. Returns false when the text ends or stops being numbers early, with the offset
    // where it stopped in `stoppedAt` when given; entries not read are 0, and a missing
    // path is empty.
    static bool ParseDescription(const std::string& text, std::string& sheetPath,
                                 int32_t (&widths)[256], int32_t (&xs)[256],
                                 std::size_t* stoppedAt = nullptr);

    static bool HasGlyph(int32_t code) { return code >= 33 && code <= 126; }

private:
    // The pen after the character `ch` drawn at `pen`.
    int64_t Advance(int64_t pen, char ch) const;
};
