#pragma once

#include "engine/Subsystem.h"
#include "graphics/Texture.h"

#include <cstdint>

struct SDL_Surface;

// The window, its OpenGL state and everything that touches OpenGL: picture loading and
// the two sprite operations. The rest of the game draws only through these virtual
// operations, so a test can put a recorder in gVideo and run the battle without a window.
//
// The OpenGL state is fixed once at start-up: a pixel projection with (0, 0) at the top
// left and y growing downward, alpha blending, texturing, and no depth test.
class VideoSystem : public Subsystem {
public:
    SDL_Surface* screen = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;
    bool fullScreen = false;
    bool useOpenGL = false;

    ~VideoSystem() override = default;

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}

    virtual void SetupOpenGL();
    // Throws GameError with the reason when the picture cannot be loaded.
    virtual Texture LoadTGA(std::string path);
    virtual void DrawSprite(const Texture& texture, int32_t x, int32_t y, float red, float green,
                            float blue, float alpha);
    virtual void DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY,
                                  float sourceWidth, float sourceHeight, int32_t x, int32_t y,
                                  float red, float green, float blue, float alpha);

    // Frame boundaries used by the battle loop: clear colour and depth; flush and swap.
    virtual void ClearFrame();
    virtual void EndFrame();
};

extern VideoSystem* gVideo;
