#pragma once

#include <string>

#include "tools/assetgen/GlyphRenderer.h"

// The pieces of the game's data, each written under the game directory `dir` (the folder
// names are the ones the game asks for; its path layer ignores their case).

// The game's font as the game will draw it: glyphs side by side with a 2-pixel gap and a
// space as wide as half the sheet.
struct GameFont {
    const GlyphRenderer& glyphs;
    int sheetWidth;
    int Gap() const { return 2; }
    int Space() const { return sheetWidth / 2; }
    int Width(const std::string& text) const { return glyphs.TextWidth(text, Gap(), Space()); }
    void Draw(Image& image, const std::string& text, int x, int y, const Colour& c) const {
        glyphs.DrawText(image, text, x, y, c, Gap(), Space());
    }
};

void WriteFont(const std::string& dir, const GameFont& font);
// The tile sheet: a blue fighter at (0, 0), ground at (0, 16), the order ring (32 x 32) at
// (0, 32), and the rest where the game cuts them.
Image PaintTileSheet();
void WriteTiles(const std::string& dir);
// The battle grounds grass, sand and snow: images/ground_NAME.tga, four cells each.
void WriteGrounds(const std::string& dir);
void WriteBackground(const std::string& dir, const GlyphRenderer& titleFont);
void WriteInterface(const std::string& dir, const GameFont& font);
void WriteSoundEffects(const std::string& dir);
// The music as a WAV; the build encodes it to MP3.
void WriteMusic(const std::string& wavPath);
// The desktop icons vornak-64.png, vornak-128.png and vornak-256.png, into `dir`.
void WriteIcons(const std::string& dir);
