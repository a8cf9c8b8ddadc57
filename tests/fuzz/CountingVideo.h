#pragma once

#include "graphics/VideoSystem.h"

#include <cstddef>

// A video subsystem that counts region draws instead of touching OpenGL.
class CountingVideo : public VideoSystem {
public:
    void DrawSpriteRegion(const Texture&, float, float, float, float, int32_t, int32_t, float,
                          float, float, float) override {
        ++draws;
    }
    std::size_t draws = 0;
};
