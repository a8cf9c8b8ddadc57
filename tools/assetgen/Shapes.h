#pragma once

#include <functional>

#include "tools/assetgen/Image.h"

// Small anti-aliased drawing helpers for the hand-made art. Coordinates are in pixels with
// pixel (i, j) covering [i, i+1) x [j, j+1).

// Paints the region where inside(x, y) holds, sampled 4 x 4 times per pixel, within the box.
void FillShape(Image& image, int left, int top, int width, int height,
               const std::function<bool(float, float)>& inside, const Colour& colour);

// A straight stroke with round ends.
void StrokeLine(Image& image, float x0, float y0, float x1, float y1, float thickness,
                const Colour& colour);

void FillDisc(Image& image, float cx, float cy, float radius, const Colour& colour);

// Paints a picture drawn as text rows: each character is looked up in the palette string
// pairs ("o", colour) and '.' is left alone.
struct PaletteEntry {
    char key;
    Colour colour;
};
void PaintMap(Image& image, int left, int top, const char* const* rows, int rowCount,
              const PaletteEntry* palette, int paletteSize);
