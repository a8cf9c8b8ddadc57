#pragma once

#include "graphics/VideoSystem.h"

#include <string>
#include <vector>

// A video subsystem without a window: every picture "loads" as a numbered 256 x 256
// texture, and every draw is recorded for the test to inspect.
class RecordingVideo : public VideoSystem {
public:
    struct Draw {
        uint32_t texture = 0;
        float sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
        int32_t x = 0, y = 0;
        float red = 0, green = 0, blue = 0, alpha = 0;
    };

    std::vector<Draw> draws;
    std::vector<std::string> loaded; // LoadTGA paths, in order
    int frames = 0;

    void Init(std::string) override {}
    Texture LoadTGA(std::string path) override {
        loaded.push_back(path);
        return Texture{static_cast<uint32_t>(loaded.size()), 256.0f, 256.0f};
    }
    // A whole texture is recorded as the region that covers all of it.
    void DrawSprite(const Texture& texture, int32_t x, int32_t y, float red, float green,
                    float blue, float alpha) override {
        draws.push_back(
            {texture.id, 0, 0, texture.width, texture.height, x, y, red, green, blue, alpha});
    }
    void DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY, float sourceWidth,
                          float sourceHeight, int32_t x, int32_t y, float red, float green,
                          float blue, float alpha) override {
        draws.push_back({texture.id, sourceX, sourceY, sourceWidth, sourceHeight, x, y, red, green,
                         blue, alpha});
    }
    bool ToggleFullScreen() override { return (fullScreen = !fullScreen), true; }
    void ClearFrame() override {}
    void EndFrame() override { ++frames; }
};
