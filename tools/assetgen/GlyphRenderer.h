#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/Image.h"

// One character rasterised by FreeType, cut to its inked columns: coverage[row * width + col]
// from 0 to 1, rows measured from the top of a band whose baseline is at `baseline`.
struct Glyph {
    int width = 0;
    int height = 0;
    std::vector<float> coverage;
};

// Renders characters of one TrueType face at one pixel size into fixed-height bands.
class GlyphRenderer {
public:
    GlyphRenderer(const std::string& fontPath, int pixelSize, int bandHeight, int baseline);
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    Glyph Render(unsigned char code) const;

    // Draws a text with its band's top edge at y, glyph after glyph with a fixed gap and a
    // fixed space advance, in the colour given.
    void DrawText(Image& image, const std::string& text, int x, int y, const Colour& colour,
                  int gap, int spaceAdvance) const;
    int TextWidth(const std::string& text, int gap, int spaceAdvance) const;

private:
    void* library_ = nullptr;
    void* face_ = nullptr;
    int bandHeight_;
    int baseline_;
};
