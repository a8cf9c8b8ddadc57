#pragma once

#include <cstdint>

// A loaded picture: the OpenGL texture name and the picture's size in pixels.
// Copied freely; textures live until the program ends.
struct Texture {
    uint32_t id = 0;
    float width = 0.0f;
    float height = 0.0f;
};
