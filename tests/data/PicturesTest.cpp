#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tests/data/DataReaders.h"

using data::GameFile;
using data::ReadTga;
using data::Tga;

namespace {

// The loader takes rows in file order and the drawing assumes bottom-up storage, so the
// origin bit (top-left) must be clear; the rest of the header must be a type the loader takes.
void ExpectLoadable(const Tga& tga, int width, int height) {
    ASSERT_TRUE(tga.ok);
    EXPECT_EQ(tga.type, 2);
    EXPECT_TRUE(tga.depth == 24 || tga.depth == 32);
    EXPECT_EQ(tga.descriptor & 0x20, 0) << "rows must be stored bottom row first";
    EXPECT_EQ(tga.width, width);
    EXPECT_EQ(tga.height, height);
}

class TileSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sheet = new Tga(ReadTga(GameFile("images/vntiles.tga"))); }
    static void TearDownTestSuite() {
        delete sheet;
        sheet = nullptr;
    }
    static Tga* sheet;
};
Tga* TileSheet::sheet = nullptr;

} // namespace

TEST(Pictures, EveryPictureHasALoadableHeaderAndItsSize) {
    ExpectLoadable(ReadTga(GameFile("images/vntiles.tga")), 256, 256);
    ExpectLoadable(ReadTga(GameFile("images/background.tga")), 640, 480);
    ExpectLoadable(ReadTga(GameFile("images/interface.tga")), 512, 512);
}

TEST_F(TileSheet, EveryCellTheGameCutsHasSomethingInIt) {
    ASSERT_TRUE(sheet->ok);
    struct Cell {
        const char* what;
        int x, y, w, h;
    };
    const Cell cells[] = {
        {"team 1 fighter", 0, 0, 16, 16},    {"team 2 fighter", 80, 0, 16, 16},
        {"ground", 0, 16, 16, 16},           {"ring", 0, 32, 32, 32},
        {"melee icon", 0, 240, 16, 16},      {"speed icon", 16, 240, 16, 16},
        {"missile icon", 32, 240, 16, 16},   {"hit points icon", 48, 240, 16, 16},
        {"missile marker", 64, 240, 16, 16},
    };
    for (const Cell& c : cells)
        EXPECT_GT(sheet->OpaqueCount(c.x, c.y, c.w, c.h), c.w * c.h / 8) << c.what;
    // The ground is drawn 256 times edge to edge: it must cover its whole cell.
    EXPECT_EQ(sheet->OpaqueCount(0, 16, 16, 16), 256);
}

TEST_F(TileSheet, BarsAreFullRowsOfTwoDistinctColours) {
    ASSERT_TRUE(sheet->ok);
    for (int x = 240; x < 256; ++x) {
        EXPECT_EQ(sheet->At(x, 240).a, 255) << "countdown bar at " << x;
        EXPECT_EQ(sheet->At(x, 254).a, 255) << "health bar at " << x;
    }
    data::Rgba countdown = sheet->At(240, 240), health = sheet->At(240, 254);
    int difference = std::abs(countdown.r - health.r) + std::abs(countdown.g - health.g) +
                     std::abs(countdown.b - health.b);
    EXPECT_GT(difference, 100);
}

// The ring is tinted white or red by the game, so its own colour must be white, and it must
// leave the fighter it surrounds visible.
TEST_F(TileSheet, RingIsWhiteAndOpenInTheMiddle) {
    ASSERT_TRUE(sheet->ok);
    for (int y = 32; y < 64; ++y)
        for (int x = 0; x < 32; ++x) {
            data::Rgba p = sheet->At(x, y);
            if (p.a > 0) {
                EXPECT_TRUE(p.r == 255 && p.g == 255 && p.b == 255) << x << "," << y;
            }
        }
    // The fighter sits on the middle 16 x 16 (drawn 8 pixels in from the ring's corner).
    EXPECT_EQ(sheet->OpaqueCount(12, 44, 8, 8), 0);
    EXPECT_EQ(sheet->At(0, 32).a, 0);
    EXPECT_EQ(sheet->At(31, 63).a, 0);
    EXPECT_EQ(sheet->At(16, 35).a, 255) << "ring line above the centre";
}

// Any pixel that differs a lot from its neighbour across the tile's left/right or top/bottom
// edges would show up 256 times as a grid on the field.
TEST_F(TileSheet, GroundTileHasNoSeams) {
    ASSERT_TRUE(sheet->ok);
    auto step = [&](int x0, int y0, int x1, int y1) {
        data::Rgba a = sheet->At(x0, y0), b = sheet->At(x1, y1);
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    double inner = 0, seam = 0;
    for (int i = 0; i < 16; ++i) {
        seam += step(15, 16 + i, 0, 16 + i) + step(i, 31, i, 16);
        inner += step(7, 16 + i, 8, 16 + i) + step(i, 23, i, 24);
    }
    EXPECT_LT(seam, inner * 2.0 + 200);
}

TEST(Pictures, BackgroundIsClearOverTheFieldAndTheLogAndFramedElsewhere) {
    Tga bg = ReadTga(GameFile("images/background.tga"));
    ASSERT_TRUE(bg.ok);
    EXPECT_EQ(bg.OpaqueCount(8, 8, 256, 256), 0) << "battlefield, x and y 8 to 263";
    // Seven log lines from y 271, 15 apart, each glyph band 16 high; long lines reach far right.
    EXPECT_EQ(bg.OpaqueCount(9, 271, 420, 377 - 271), 0) << "message log";
    // The frame itself: corners, the strip between field and panels, the bottom.
    EXPECT_TRUE(bg.Opaque(0, 0));
    EXPECT_TRUE(bg.Opaque(639, 479));
    EXPECT_TRUE(bg.Opaque(4, 4));
    EXPECT_EQ(bg.OpaqueCount(0, 400, 640, 80), 640 * 80);
    // Panels and buttons are drawn over it: their places are solid backing.
    EXPECT_EQ(bg.OpaqueCount(272, 8, 199, 106), 199 * 106);
    EXPECT_EQ(bg.OpaqueCount(272, 124, 356, 124), 356 * 124);
    // The panels' texts are white, so their backing must be dark.
    for (int y = 10; y < 112; y += 7)
        for (int x = 274; x < 468; x += 9) {
            data::Rgba p = bg.At(x, y);
            EXPECT_LT((p.r + p.g + p.b) / 3, 90) << x << "," << y;
        }
}
