#include "tools/assetgen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

void FillShape(Image& image, int left, int top, int width, int height,
               const std::function<bool(float, float)>& inside, const Colour& colour) {
    constexpr int kSamples = 4;
    for (int j = top; j < top + height; ++j)
        for (int i = left; i < left + width; ++i) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside(i + (sx + 0.5f) / kSamples, j + (sy + 0.5f) / kSamples))
                        ++hits;
            if (hits > 0)
                image.Blend(i, j, colour, hits / float(kSamples * kSamples));
        }
}

void StrokeLine(Image& image, float x0, float y0, float x1, float y1, float thickness,
                const Colour& colour) {
    float half = thickness * 0.5f;
    int left = static_cast<int>(std::floor(std::min(x0, x1) - half - 1));
    int top = static_cast<int>(std::floor(std::min(y0, y1) - half - 1));
    int right = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1));
    int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1));
    float dx = x1 - x0, dy = y1 - y0;
    float lengthSquared = dx * dx + dy * dy;
    FillShape(
        image, left, top, right - left, bottom - top,
        [=](float x, float y) {
            float t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0;
            t = std::clamp(t, 0.0f, 1.0f);
            float ex = x0 + t * dx - x, ey = y0 + t * dy - y;
            return ex * ex + ey * ey <= half * half;
        },
        colour);
}

void FillDisc(Image& image, float cx, float cy, float radius, const Colour& colour) {
    int left = static_cast<int>(std::floor(cx - radius - 1));
    int top = static_cast<int>(std::floor(cy - radius - 1));
    int size = static_cast<int>(std::ceil(radius * 2 + 3));
    FillShape(
        image, left, top, size, size,
        [=](float x, float y) {
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
        },
        colour);
}

void PaintMap(Image& image, int left, int top, const char* const* rows, int rowCount,
              const PaletteEntry* palette, int paletteSize) {
    size_t width = std::strlen(rows[0]);
    for (int y = 0; y < rowCount; ++y) {
        if (std::strlen(rows[y]) != width)
            throw std::runtime_error("picture row " + std::to_string(y) + " has the wrong width");
        for (size_t x = 0; x < width; ++x) {
            char key = rows[y][x];
            if (key == '.')
                continue;
            const PaletteEntry* entry =
                std::find_if(palette, palette + paletteSize,
                             [key](const PaletteEntry& e) { return e.key == key; });
            if (entry == palette + paletteSize)
                throw std::runtime_error(std::string("picture uses an unknown colour ") + key);
            image.Set(left + static_cast<int>(x), top + y, entry->colour);
        }
    }
}
