// The data the generator makes, read with the game's own readers: what is checked is what
// the game will draw. (The fighter files, the sounds and every file's form are checked by
// `vornak check` on the shipped folder, in the check tests; the played battle shows the
// fighters, the log through the background and the buttons where they are clicked.)
#include "graphics/Font.h"
#include "graphics/TgaImage.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A picture as the game decodes it; At counts rows from the top, as the screen does (the
// file holds the bottom row first).
struct Picture {
    TgaImage image;
    explicit Picture(const std::string& relative) {
        std::string failure;
        EXPECT_TRUE(TgaImage::Decode(ReadFile(VORNAK_GAME_DIR "/" + relative), image, failure))
            << relative;
        EXPECT_FALSE(image.alphaOnly) << relative;
    }
    const uint8_t* At(int x, int y) const {
        return &image.pixels[(std::size_t(image.height - 1 - y) * image.width + x) * 4];
    }
    int Sum(int x, int y) const { return At(x, y)[0] + At(x, y)[1] + At(x, y)[2]; }
    // The opaque pixels of a rectangle; with `notWhite`, only those that are not white.
    int Opaque(int x, int y, int w, int h, bool notWhite = false) const {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += At(i, j)[3] > 0 && !(notWhite && Sum(i, j) == 765);
        return n;
    }
};

} // namespace

// The ground and the bars are solid, as they are tiled and stretched; the ring is there,
// white, as the game tints it, and open around its fighter. The background is solid and
// dark under the white panel texts.
TEST(GeneratedData, TileSheetAndBackground) {
    const Picture tiles("images/vntiles.tga");
    EXPECT_EQ(tiles.Opaque(0, 16, 16, 16), 256);
    EXPECT_EQ(tiles.Opaque(240, 240, 16, 1) + tiles.Opaque(240, 254, 16, 1), 32);
    EXPECT_EQ(tiles.Opaque(0, 32, 32, 32, true), 0);
    EXPECT_GT(tiles.Opaque(0, 32, 32, 32), 128);
    EXPECT_EQ(tiles.Opaque(12, 44, 8, 8), 0);

    const Picture background("images/background.tga");
    ASSERT_EQ(background.image.width * background.image.height, 640 * 480);
    EXPECT_EQ(background.Opaque(272, 8, 199, 106), 199 * 106);
    for (int y = 10; y < 112; y += 7)
        for (int x = 274; x < 468; x += 9)
            EXPECT_LT(background.Sum(x, y), 270) << x << "," << y;
}

// Every printable character has white ink (tinted by multiplying) inside its own columns
// of its own band; ink outside would bleed into its neighbours' draws.
TEST(GeneratedData, FontGlyphs) {
    std::string sheetPath;
    int32_t widths[256], xs[256];
    ASSERT_TRUE(Font::ParseDescription(ReadFile(VORNAK_GAME_DIR "/data/kestfont.txt"), sheetPath,
                                       widths, xs));
    std::replace(sheetPath.begin(), sheetPath.end(), '\\', '/');
    const Picture sheet(sheetPath);
    ASSERT_GE(sheet.image.height, 94 * 16);
    for (int i = 0; i < 94; ++i) {
        ASSERT_TRUE(widths[i] > 0 && xs[i] >= 0 && xs[i] + widths[i] <= sheet.image.width) << i;
        const int ink = sheet.Opaque(xs[i], i * 16, widths[i], 16);
        EXPECT_GT(ink, 0) << char(33 + i);
        EXPECT_EQ(sheet.Opaque(0, i * 16, sheet.image.width, 16), ink) << char(33 + i);
        EXPECT_EQ(sheet.Opaque(0, i * 16, sheet.image.width, 16, true), 0) << char(33 + i);
    }
}
