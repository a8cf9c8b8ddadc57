#pragma once

#include "engine/Subsystem.h"
#include "graphics/FrameDamage.h"
#include "graphics/FramePacer.h"
#include "graphics/SpriteDraw.h"
#include "graphics/SubBufferCopy.h"
#include "graphics/Texture.h"

#include <cstdint>
#include <vector>

struct SDL_Surface;

// The window, its OpenGL state and everything that touches OpenGL: picture loading and
// the two sprite operations. The rest of the game draws only through these virtual
// operations, so a test can put a recorder in gVideo and run the battle without a window.
//
// The OpenGL state is fixed once at start-up: a pixel projection with (0, 0) at the top
// left and y growing downward, alpha blending, texturing, and no depth test.
//
// The game always draws in its own width x height pixels. At a scale above 1 the window
// is that many times larger, each game pixel a crisp block.
//
// A frame is composed at its end, not as it is drawn: the draws are recorded, and
// CompleteFrame compares them with those of the last composed frame, whose picture a
// texture keeps 1:1. Only the rectangles where the two can differ (FrameDamage) are
// cleared and drawn again, each with every draw of the frame that touches it, in order,
// and copied into that texture; the texture then goes over the whole window (at a scale
// above 1, copied up). The picture is the one a full redraw gives, pixel for pixel, for
// the price of one opaque copy and the changed pixels. A frame that asks for exactly the
// last one's draws is not drawn or swapped at all, unless the window was uncovered.
// Where the texture cannot be made (a game larger than the driver's textures) every draw
// goes straight to the back buffer instead.
//
// Under a software rasteriser that can copy parts of the back buffer to the window
// (SubBufferCopy) the back buffer is never swapped, so it keeps its picture: at scale 1 it
// is the composed frame itself and no texture is needed, and a frame shows only what it
// redrew (scaled up, what the texture gives back over the damage and over the corner the
// redraw used). The whole back buffer is shown only when the window is uncovered.
//
// Every frame is paced to the display's rate (FramePacer) after it is shown, or where it
// would have been.
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

    // Frame boundaries used by the battle loop: a new frame over a cleared window; the
    // frame completed, swapped, and the rest of the display's refresh period waited out
    // if the swap did not wait.
    virtual void ClearFrame();
    virtual void EndFrame();
    // The frame drawn so far in the back buffer as the window will show it. The first
    // part of EndFrame; false when nothing changed and there is nothing to show.
    bool CompleteFrame();
    // CompleteFrame, then the frame shown in the window: EndFrame without the pacing.
    bool ShowFrame();
    // Frames shown by swaps even where sub-buffer copies are offered, as under a hardware
    // driver, so that tests and benchmarks can compare the two ways.
    void ShowBySwaps();
    bool ShowsBySubBufferCopies() const { return copying_; }
    // This frame's draws so far, in order, while composing.
    const std::vector<SpriteDraw>& FrameDraws() const { return drawn_; }
    // Window and full screen swapped at the same scale, the OpenGL context kept and the
    // game's pixels still where the pointer's positions say; false when SDL cannot.
    virtual bool ToggleFullScreen();
    // The window was uncovered: the next frame shows its whole picture again.
    void WindowExposed() { exposed_ = true; }
    // Off: every draw goes straight into the back buffer as it comes and ClearFrame clears
    // it, the full redraw that composing must equal; the composed frame is kept for when
    // it is turned on again. On only where the frame texture could be made or the back
    // buffer keeps the frame; in the latter case the straight draws go over the kept frame,
    // and whoever turns composing on again must have put it back.
    void SetComposing(bool composing) {
        recording_ = composing && (frameTexture_ != 0 || (copying_ && scale == 1));
    }

private:
    void SetUpFrameTexture(const std::string& path);
    void Submit(const SpriteDraw& draw); // recorded while composing, else issued at once
    // The OpenGL calls of one draw.
    void Issue(const SpriteDraw& draw);
    void Redraw(const std::vector<ScreenRect>& damage);
    // Copies the texture's frame over `area` of the window (window pixels, y downward).
    void Present(const std::vector<ScreenRect>& area);

    FramePacer pacer_;
    FrameDamage damage_;
    SubBufferCopy copier_;
    bool copying_ = false;             // frames shown by copier_; the back buffer is never swapped
    std::vector<ScreenRect> shown_;    // what the completed frame shows, in window pixels
    bool recording_ = false;           // composed at the frame's end, else drawn at once
    std::vector<SpriteDraw> drawn_;    // this frame's draws so far, in order
    std::vector<SpriteDraw> composed_; // the draws whose picture frameTexture_ holds
    bool composedValid_ = false;       // frameTexture_ holds a composed frame
    bool shownOnce_ = false;           // a frame went to the back buffer uncomposed
    bool exposed_ = false;
    std::vector<ScreenRect> wholeFrame_; // the damage when nothing is composed yet
    std::vector<uint8_t> band_;          // damaged rows on their way into frameTexture_
    uint32_t frameTexture_ = 0; // the last composed frame, 1:1, bottom row first (none while
                                // the back buffer keeps it)
    float frameS_ = 0.0f;       // the frame's extent in that texture
    float frameT_ = 0.0f;
};

extern VideoSystem* gVideo;
