#include <algorithm>
#include <cmath>

#include "tools/assetgen/AssetGen.h"

// The desktop icon: one of the player's knights inside the ring that marks a fighter waiting
// for orders, on the battlefield's grass. Every part is cut from the tile sheet and enlarged
// without blur, so the icon looks like the game.
namespace {

// Copies a square cell of the sheet, each pixel becoming a factor x factor block.
void PasteEnlarged(Image& icon, const Image& sheet, int cellX, int cellY, int cellSize, int factor,
                   int left, int top) {
    for (int y = 0; y < cellSize * factor; ++y)
        for (int x = 0; x < cellSize * factor; ++x)
            icon.Blend(left + x, top + y, sheet.Get(cellX + x / factor, cellY + y / factor));
}

// How much of the pixel lies inside a square of side `size` with corners rounded by `radius`.
float RoundedSquareCoverage(int px, int py, int size, float radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            float x = px + (sx + 0.5f) / 4.0f, y = py + (sy + 0.5f) / 4.0f;
            float dx = std::fmax(std::fmax(radius - x, x - (size - radius)), 0.0f);
            float dy = std::fmax(std::fmax(radius - y, y - (size - radius)), 0.0f);
            inside += dx * dx + dy * dy <= radius * radius;
        }
    return inside / 16.0f;
}

Image PaintIcon(const Image& sheet, int size) {
    Image icon(size, size);
    PasteEnlarged(icon, sheet, 0, 16, 16, size / 16, 0, 0); // the ground
    const int border = std::max(1, size / 32);
    icon.Bevel(0, 0, size, size, border, Rgb(150, 180, 120), Rgb(30, 40, 24), false);

    const int ringFactor = size / 32;
    PasteEnlarged(icon, sheet, 0, 32, 32, ringFactor, 0, 0);
    // A soft shadow at the knight's feet, then the knight a quarter smaller than the ring.
    const int knightFactor = size * 3 / 64;
    const int knightLeft = (size - 16 * knightFactor) / 2;
    const float shadowY = knightLeft + 15.0f * knightFactor;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float dx = (x + 0.5f - size / 2.0f) / (5.5f * knightFactor);
            float dy = (y + 0.5f - shadowY) / (1.6f * knightFactor);
            float d = dx * dx + dy * dy;
            if (d < 1.0f)
                icon.Blend(x, y, Rgb(0, 0, 0, 0.45f * (1.0f - d)));
        }
    PasteEnlarged(icon, sheet, 0, 0, 16, knightFactor, knightLeft, knightLeft);

    const float radius = size / 8.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Colour c = icon.Get(x, y);
            c.a *= RoundedSquareCoverage(x, y, size, radius);
            icon.Set(x, y, c);
        }
    return icon;
}

} // namespace

void WriteIcons(const std::string& dir) {
    const Image sheet = PaintTileSheet();
    for (int size : {64, 128, 256})
        PaintIcon(sheet, size).WritePNG(dir + "/vornak-" + std::to_string(size) + ".png");
}
