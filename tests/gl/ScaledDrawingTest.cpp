#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"
#include "tests/gl/ShownWindow.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <SDL.h>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// The second of two frames drawn by the real video system at `scale`, as the window shows
// it: a picture of scattered colours (so that linear filtering mixes neighbours) whole,
// cut at fractions of a pixel and tinted, and over the edges; in the second frame the cut
// moves, so only what changed is drawn again. Shown whole again, after the window was
// uncovered, it must not change.
std::vector<uint32_t> DrawnWindow(int scale, bool swaps) {
    gKernel = new Kernel;
    for (auto [key, value] : {std::pair{"h_res", kWidth},
                              {"v_res", kHeight},
                              {"bpp", 32},
                              {"use_opengl", 1},
                              {"scale", scale}}) {
        gKernel->settings[key] = Setting{1, static_cast<float>(value), ""};
    }
    gVideo = new VideoSystem;
    gVideo->Init("Data\\engine.cfg");
    if (swaps) {
        gVideo->ShowBySwaps();
    }
    const Texture picture = gVideo->LoadTGA("speckled.tga");
    std::vector<uint32_t> pixels;
    for (int cutY : {40, 52, 52}) {
        gVideo->ClearFrame();
        gVideo->DrawSprite(picture, 3, 5, 1, 1, 1, 1);
        gVideo->DrawSpriteRegion(picture, 2.5f, 3.25f, 20, 20, 60, cutY, 1.0f, 0.5f, 0.8f, 0.7f);
        gVideo->DrawSprite(picture, kWidth - 20, kHeight - 12, 1, 1, 1, 0.5f);
        gVideo->ShowFrame();
        if (pixels.empty() && cutY == 52) {
            // The same picture again, whole, once the window has been covered and uncovered.
            pixels = ShownWindow(kWidth * scale, kHeight * scale);
            CoverWindow(kWidth * scale, kHeight * scale);
            gVideo->WindowExposed();
        }
    }
    EXPECT_TRUE(pixels == ShownWindow(kWidth * scale, kHeight * scale))
        << "the uncovered window at scale " << scale;
    delete gKernel;
    gKernel = nullptr;
    SDL_Quit();
    return pixels;
}

} // namespace

// At every scale the window shows the scale-1 picture with each pixel an exact k x k
// block: nothing blurred, shifted or cut off at the last row and column.
TEST(ScaledDrawing, EachGamePixelBecomesAnExactBlock) {
    TempDir dir;
    TgaBytes tga;
    tga.width = tga.height = 32;
    for (uint32_t i = 0, seed = 1; i < 32 * 32 * 3; ++i) {
        seed = seed * 1103515245u + 12345u;
        tga.pixels.push_back(static_cast<uint8_t>(seed >> 16));
    }
    dir.Write("speckled.tga", tga.Build());
    const std::vector<uint32_t> one = DrawnWindow(1, false);
    ASSERT_EQ(one, DrawnWindow(1, true));
    ASSERT_NE(0u, one[kWidth - 1]) << "the picture over the corner is not drawn";
    for (auto [scale, swaps] : {std::pair{2, false}, {2, true}, {3, false}}) {
        const std::vector<uint32_t> scaled = DrawnWindow(scale, swaps);
        ASSERT_EQ(scaled.size(), one.size() * scale * scale);
        int wrong = 0;
        for (int y = 0; y < kHeight * scale; ++y) {
            for (int x = 0; x < kWidth * scale; ++x) {
                wrong += scaled[y * kWidth * scale + x] != one[(y / scale) * kWidth + x / scale];
            }
        }
        EXPECT_EQ(0, wrong) << "window pixels that differ at scale " << scale
                            << (swaps ? ", shown by swaps" : "");
    }
}
