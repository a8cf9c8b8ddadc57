#include <gtest/gtest.h>

#include "tests/data/DataReaders.h"

using data::GameFile;
using data::ReadTga;
using data::Tga;

TEST(Pictures, TileSheetCellsAreDrawnAndTheRingIsWhiteAndOpen) {
    Tga sheet = ReadTga(GameFile("images/vntiles.tga"));
    ASSERT_TRUE(sheet.ok);
    ASSERT_TRUE(sheet.width == 256 && sheet.height == 256);
    struct Cell {
        const char* what;
        int x, y, w, h;
    };
    const Cell cells[] = {
        {"team 1 fighter", 0, 0, 16, 16},
        {"team 2 fighter", 80, 0, 16, 16},
        {"ring", 0, 32, 32, 32},
        {"melee icon", 0, 240, 16, 16},
        {"speed icon", 16, 240, 16, 16},
        {"missile icon", 32, 240, 16, 16},
        {"hit points icon", 48, 240, 16, 16},
        {"missile marker", 64, 240, 16, 16},
    };
    for (const Cell& c : cells)
        EXPECT_GT(sheet.OpaqueCount(c.x, c.y, c.w, c.h), c.w * c.h / 8) << c.what;
    // The ground is drawn edge to edge and the bars are stretched: all must be solid.
    EXPECT_EQ(sheet.OpaqueCount(0, 16, 16, 16), 256) << "ground";
    EXPECT_EQ(sheet.OpaqueCount(240, 240, 16, 1), 16) << "countdown bar";
    EXPECT_EQ(sheet.OpaqueCount(240, 254, 16, 1), 16) << "health bar";

    // The game tints the ring white or red, so its own colour must be white; the fighter it
    // surrounds sits on its middle 16 x 16 and must stay visible.
    for (int y = 32; y < 64; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_TRUE(sheet.At(x, y).a == 0 || sheet.At(x, y).White()) << x << "," << y;
    EXPECT_EQ(sheet.OpaqueCount(12, 44, 8, 8), 0);
    EXPECT_EQ(sheet.At(0, 32).a, 0);
}

TEST(Pictures, BackgroundIsClearOverTheFieldAndTheLogAndSolidUnderThePanels) {
    Tga bg = ReadTga(GameFile("images/background.tga"));
    ASSERT_TRUE(bg.ok);
    ASSERT_TRUE(bg.width == 640 && bg.height == 480);
    EXPECT_EQ(bg.OpaqueCount(8, 8, 256, 256), 0) << "battlefield, x and y 8 to 263";
    // Seven log lines from y 271, 15 apart, each glyph band 16 high; long lines reach far right.
    EXPECT_EQ(bg.OpaqueCount(9, 271, 420, 377 - 271), 0) << "message log";
    // The panels' texts are white, so their backing must be solid and dark.
    EXPECT_EQ(bg.OpaqueCount(272, 8, 199, 106), 199 * 106) << "fighter panels";
    for (int y = 10; y < 112; y += 7)
        for (int x = 274; x < 468; x += 9)
            EXPECT_LT(bg.At(x, y).r + bg.At(x, y).g + bg.At(x, y).b, 270) << x << "," << y;
}
