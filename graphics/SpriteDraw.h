#pragma once

#include "graphics/ScreenRect.h"
#include "graphics/Texture.h"

#include <cstdint>

// One sprite draw as the game asked for it (VideoSystem's DrawSprite or DrawSpriteRegion):
// enough to issue the same OpenGL calls again, to tell whether another frame asks for
// exactly the same, and to know which pixels it can touch. Pictures never change once
// loaded, so the texture's name stands for its texels.
struct SpriteDraw {
    bool whole = false; // DrawSprite: the whole picture, else the source rectangle
    Texture texture;
    float sourceX = 0.0f;
    float sourceY = 0.0f;
    float sourceWidth = 0.0f;
    float sourceHeight = 0.0f;
    int32_t x = 0;
    int32_t y = 0;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;

    // The quad's size in whole pixels: the picture's or the source rectangle's, truncated.
    int32_t QuadWidth() const;
    int32_t QuadHeight() const;

    // Every pixel the quad can cover, and a pixel more on each side for the rounding of
    // the projection; far beyond the window's range, where floats lose whole pixels, the
    // whole of `frame`. Clipped to `frame`; empty for a quad without area.
    ScreenRect Bounds(const ScreenRect& frame) const;

    // The same OpenGL calls: every number equal bit for bit (a NaN equals itself).
    bool operator==(const SpriteDraw& other) const;
    bool operator!=(const SpriteDraw& other) const { return !(*this == other); }
};
