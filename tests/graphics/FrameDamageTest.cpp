#include "graphics/FrameDamage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const ScreenRect kFrame{0, 0, 640, 480};
const Texture kTiles{2, 256.0f, 256.0f};

SpriteDraw Cell(int32_t x, int32_t y, float alpha = 1.0f) {
    return {false, kTiles, 0.0f, 16.0f, 16.0f, 16.0f, x, y, 1.0f, 1.0f, 1.0f, alpha};
}

// A battle-sized frame: the log's glyphs, the 256 ground cells, the background over the
// whole window, then a fighter and the waiting fighter's ring.
std::vector<SpriteDraw> BattleFrame(float ringAlpha) {
    std::vector<SpriteDraw> frame;
    for (int32_t x = 9; x < 200; x += 9) {
        frame.push_back(Cell(x, 271));
    }
    for (int32_t x = 8; x < 264; x += 16) {
        for (int32_t y = 8; y < 264; y += 16) {
            frame.push_back(Cell(x, y));
        }
    }
    frame.push_back({true, Texture{1, 640.0f, 480.0f}, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1});
    frame.push_back(Cell(100, 100));
    frame.push_back({false, kTiles, 32, 0, 32, 32, 92, 92, 1, 1, 1, ringAlpha});
    return frame;
}

} // namespace

// Only what changed is damaged, a pixel to spare each side: the pulsing ring alone, a log
// line added before 257 unchanged draws (which shift in the list but not on screen),
// nothing at all for the same list; two overlapping draws that swap order damage where
// they overlap.
TEST(FrameDamage, OnlyWhatChangedIsDamaged) {
    FrameDamage damage;
    const std::vector<SpriteDraw> before = BattleFrame(0.5f);
    const ScreenRect ring{91, 91, 125, 125};
    EXPECT_EQ((std::vector<ScreenRect>{ring}), damage.Between(before, BattleFrame(0.6f), kFrame));
    EXPECT_TRUE(damage.Between(before, before, kFrame).empty());
    EXPECT_TRUE(damage.Between({}, {}, kFrame).empty());

    std::vector<SpriteDraw> added = before;
    added.insert(added.begin() + 3, Cell(30, 286));
    EXPECT_EQ((std::vector<ScreenRect>{{29, 285, 47, 303}}), damage.Between(before, added, kFrame));
    // Where floats no longer place a quad's edges to the pixel, it may cover any of them.
    added[3] = Cell(1 << 23, 10);
    EXPECT_EQ((std::vector<ScreenRect>{kFrame}), damage.Between(before, added, kFrame));

    // The fighter's cell lies inside the ring: where both cover, the order shows.
    std::vector<SpriteDraw> swapped = before;
    std::swap(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);
    const std::vector<ScreenRect>& region = damage.Between(before, swapped, kFrame);
    ASSERT_EQ(1u, region.size());
    EXPECT_EQ(region[0], region[0].Joined({99, 99, 117, 117}));
}
