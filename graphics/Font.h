#pragma once

#include "engine/Subsystem.h"
#include "graphics/Texture.h"

#include <cstdint>
#include <string>

// The proportional bitmap font. Placeholder until the font lands.
class Font : public Subsystem {
public:
    Texture sheet;
    int32_t glyphWidth[256] = {};
    int32_t glyphX[256] = {};

    void Init(std::string) override {}
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}
    virtual void DrawText(std::string, int32_t, int32_t, float, float, float) {}
};
