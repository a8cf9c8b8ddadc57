#include "engine/InputSystem.h"
#include "graphics/VideoSystem.h"
#include "tests/gl/ShownWindow.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// The second of two frames drawn by the real video system at `scale`, as the window shows
// it: a picture of scattered colours (so that linear filtering mixes neighbours) whole,
// cut at fractions of a pixel and tinted, and over the edges; in the second frame the cut
// moves, so only what changed is drawn again. Shown whole again, after the window was
// uncovered, it must not change; once more, with nothing changed, it is not shown.
std::vector<uint32_t> DrawnWindow(int scale, bool swaps) {
    StartVideo(new VideoSystem, kWidth, kHeight, scale);
    if (swaps) {
        gVideo->ShowBySwaps();
    }
    const Texture picture = gVideo->LoadTGA("speckled.tga");
    std::vector<uint32_t> pixels;
    bool shown = true;
    for (int cutY : {40, 52, 52, 52}) {
        gVideo->ClearFrame();
        gVideo->DrawSprite(picture, 3, 5, 1, 1, 1, 1);
        gVideo->DrawSpriteRegion(picture, 2.5f, 3.25f, 20, 20, 60, cutY, 1.0f, 0.5f, 0.8f, 0.7f);
        gVideo->DrawSprite(picture, kWidth - 20, kHeight - 12, 1, 1, 1, 0.5f);
        shown = gVideo->ShowFrame();
        if (pixels.empty() && cutY == 52) {
            // The same picture again, whole, once the window has been covered and uncovered.
            pixels = ShownWindow(kWidth * scale, kHeight * scale);
            CoverWindow();
            SDL_Event exposed{};
            exposed.type = SDL_VIDEOEXPOSE;
            InputSystem().HandleEvent(exposed);
        }
    }
    EXPECT_TRUE(pixels == ShownWindow(kWidth * scale, kHeight * scale))
        << "the uncovered window at scale " << scale;
    EXPECT_FALSE(shown) << "an unchanged frame was shown again";
    StopVideo();
    return pixels;
}

} // namespace

// At every scale the window shows the scale-1 picture with each pixel an exact k x k
// block: nothing blurred, shifted or cut off at the last row and column.
TEST(ScaledDrawing, EachGamePixelBecomesAnExactBlock) {
    TempDir dir;
    std::vector<uint8_t> pixels;
    for (uint32_t i = 0, seed = 1; i < 32 * 32 * 3; ++i) {
        seed = seed * 1103515245u + 12345u;
        pixels.push_back(static_cast<uint8_t>(seed >> 16));
    }
    dir.Write("speckled.tga", TgaBytes{2, 24, 32, 32, "", 0, 0, pixels}.Build());
    const std::vector<uint32_t> one = DrawnWindow(1, false);
    ASSERT_NE(0u, one[kWidth - 1]) << "the picture over the corner is not drawn";
    for (auto [scale, swaps] : {std::pair{1, true}, {2, false}, {2, true}, {3, false}}) {
        const std::vector<uint32_t> scaled = DrawnWindow(scale, swaps);
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
