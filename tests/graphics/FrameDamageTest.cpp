#include "graphics/FrameDamage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const ScreenRect kFrame{0, 0, 640, 480};
const Texture kTiles{2, 256.0f, 256.0f};

SpriteDraw Cell(int32_t x, int32_t y) {
    return {false, kTiles, 0.0f, 16.0f, 16.0f, 16.0f, x, y, 1.0f, 1.0f, 1.0f, 1.0f};
}

} // namespace

// Only what changed is damaged, a pixel to spare each side: the pulsing ring alone, a log
// line added before 259 unchanged draws (which shift in the list but not on screen); a
// draw whose edges floats no longer place to the pixel damages the whole frame.
TEST(FrameDamage, OnlyWhatChangedIsDamaged) {
    // A battle-sized frame: the 256 ground cells, the background over the whole window,
    // then a fighter and the waiting fighter's ring, pulsing.
    std::vector<SpriteDraw> before;
    for (int32_t cell = 0; cell < 256; ++cell) {
        before.push_back(Cell(8 + cell % 16 * 16, 8 + cell / 16 * 16));
    }
    before.push_back({true, Texture{1, 640.0f, 480.0f}, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1});
    before.push_back(Cell(100, 100));
    before.push_back({false, kTiles, 32, 0, 32, 32, 92, 92, 1, 1, 1, 0.5f});
    std::vector<SpriteDraw> pulsed = before;
    pulsed.back().alpha = 0.6f;
    FrameDamage damage;
    EXPECT_EQ((std::vector<ScreenRect>{{91, 91, 125, 125}}),
              damage.Between(before, pulsed, kFrame));

    std::vector<SpriteDraw> added = before;
    added.insert(added.begin(), Cell(30, 286));
    EXPECT_EQ((std::vector<ScreenRect>{{29, 285, 47, 303}}), damage.Between(before, added, kFrame));
    added[0] = Cell(1 << 23, 10);
    EXPECT_EQ((std::vector<ScreenRect>{kFrame}), damage.Between(before, added, kFrame));
}
