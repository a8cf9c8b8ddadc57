#pragma once

#include "engine/Subsystem.h"
#include "graphics/FramePacer.h"
#include "graphics/Texture.h"

#include <cstdint>

struct SDL_Surface;

// The window, its OpenGL state and everything that touches OpenGL: picture loading and
// the two sprite operations. The rest of the game draws only through these virtual
// operations, so a test can put a recorder in gVideo and run the battle without a window.
//
// The OpenGL state is fixed once at start-up: a pixel projection with (0, 0) at the top
// left and y growing downward, alpha blending, texturing, and no depth test.
//
// The game always draws in its own width x height pixels. At a scale above 1 the window
// is that many times larger: the frame is drawn 1:1 into the window's bottom-left corner
// and copied up over the whole window at the end of the frame, each pixel a crisp block.
// Every drawn frame is paced to the display's rate (FramePacer) after its swap.
class VideoSystem : public Subsystem {
public:
    SDL_Surface* screen = nullptr;
    int32_t width = 0; // the game's pixels
    int32_t height = 0;
    int32_t depth = 0;
    bool fullScreen = false;
    bool useOpenGL = false;
    int32_t scale = 1; // window pixels per game pixel, each way

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

    // Frame boundaries used by the battle loop: clear colour and depth; flush, swap and
    // wait out the rest of the display's refresh period if the swap did not.
    virtual void ClearFrame();
    virtual void EndFrame();
    // The window's picture complete in the back buffer (at a scale above 1, the frame
    // copied up over the whole window). The first part of EndFrame.
    void CompleteFrame();

private:
    void SetUpScaling(const std::string& path);

    FramePacer pacer_;
    uint32_t frameTexture_ = 0; // the 1:1 frame, copied up at a scale above 1
    float frameS_ = 0.0f;       // the frame's extent in that texture
    float frameT_ = 0.0f;
};

extern VideoSystem* gVideo;
