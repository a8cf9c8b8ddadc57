#pragma once

#include "graphics/VideoSystem.h"

#include <map>
#include <string>
#include <vector>

// A video subsystem without a window: pictures "load" as numbered textures of a chosen
// size, and every draw is recorded for the test to inspect.
class RecordingVideo : public VideoSystem {
public:
    struct Draw {
        bool region = false; // DrawSpriteRegion, else DrawSprite
        uint32_t texture = 0;
        float sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
        int32_t x = 0, y = 0;
        float red = 0, green = 0, blue = 0, alpha = 0;
    };

    std::vector<Draw> draws;
    std::vector<std::string> loaded;      // LoadTGA paths, in order
    std::map<std::string, Texture> sizes; // size per path; 256 x 256 otherwise
    int clears = 0;
    int frames = 0;

    void Init(std::string) override {}
    void SetupOpenGL() override {}
    Texture LoadTGA(std::string path) override;
    void DrawSprite(const Texture& texture, int32_t x, int32_t y, float red, float green,
                    float blue, float alpha) override;
    void DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY, float sourceWidth,
                          float sourceHeight, int32_t x, int32_t y, float red, float green,
                          float blue, float alpha) override;
    void ClearFrame() override { ++clears; }
    void EndFrame() override { ++frames; }
};
