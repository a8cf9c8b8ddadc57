#include "engine/GameError.h"
#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"
#include "tests/gl/ShownWindow.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdlib>
#include <tuple>

namespace {

constexpr int kHeight = 240;
using Rgb = std::array<uint8_t, 3>;

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};
const Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kMagenta{255, 0, 255};

// A real 320 x 240 window and the real video subsystem, with a 24-bit sheet of 8-pixel
// squares loaded: red, green, magenta, white on top of blue and three whites. Pixels are
// read back from the frame drawn so far, composed but not swapped.
class SpriteDrawing : public testing::Test {
protected:
    void SetUp() override {
        StartVideo(new VideoSystem, 320, kHeight);
        gVideo->ClearFrame();
        const Rgb squares[2][4] = {{kRed, kGreen, kMagenta, kWhite},
                                   {kBlue, kWhite, kWhite, kWhite}};
        std::vector<uint8_t> pixels;
        for (int y = 15; y >= 0; --y) { // the usual file: bottom row first
            for (int x = 0; x < 32; ++x) {
                const Rgb& colour = squares[y / 8][x / 8];
                pixels.insert(pixels.end(), {colour[2], colour[1], colour[0]});
            }
        }
        sheet = Load(TgaBytes{2, 24, 32, 16, "", 0, 0, pixels}.Build());
    }
    void TearDown() override { StopVideo(); }

    Texture Load(const std::string& tga) {
        dir.Write("images/picture.tga", tga);
        return gVideo->LoadTGA("images\\picture.tga");
    }
    // The 8 x 8 square in column `column` and row `row` of the sheet, drawn at (x, y).
    void Square(int column, int row, int x, int y, float red = 1, float green = 1, float blue = 1,
                float alpha = 1) {
        gVideo->DrawSpriteRegion(sheet, column * 8.0f, row * 8.0f, 8, 8, x, y, red, green, blue,
                                 alpha);
    }

    TempDir dir;
    Texture sheet;
};

// Screen pixel (x, y), y downward as the game counts it, within 2 of `expected`.
testing::AssertionResult Shows(int x, int y, const Rgb& expected) {
    gVideo->CompleteFrame();
    unsigned char got[4] = {};
    glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, got);
    for (int i = 0; i < 3; ++i) {
        if (std::abs(expected[i] - got[i]) > 2) {
            return testing::AssertionFailure() << "at " << x << "," << y << " got " << int(got[0])
                                               << "," << int(got[1]) << "," << int(got[2]);
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

// The file holds the bottom row first; on screen the picture's top row is on top, and
// exactly its 32 x 16 pixels are covered. Cells of a sheet are counted from its top-left
// corner, y downward. The draw colour multiplies the texels and alpha blends them over
// what is there; magenta is see-through in a 24-bit picture whatever the colour and alpha
// of the draw. One-byte pictures become black texels with the byte as alpha; their
// three-pixel rows are uploaded without padding. A window wider than X can keep is
// refused.
TEST_F(SpriteDrawing, PicturesAppearUprightTintedBlendedAndMasked) {
    EXPECT_EQ(32.0f, sheet.width);
    gVideo->DrawSprite(sheet, 40, 30, 1, 1, 1, 1);
    Square(0, 1, 108, 8);
    Square(1, 0, 200, 50);
    for (auto [x, y, colour] : {std::tuple{40, 30, kRed},
                                {41, 44, kBlue},
                                {71, 45, kWhite},
                                {39, 35, kBlack},
                                {72, 35, kBlack},
                                {45, 29, kBlack},
                                {45, 46, kBlack},
                                {108, 8, kBlue},
                                {200, 50, kGreen}}) {
        EXPECT_TRUE(Shows(x, y, colour));
    }

    Square(3, 0, 10, 10, 1.0f, 0.5f, 0.0f);
    Square(0, 1, 30, 10);
    Square(3, 0, 30, 10, 1, 1, 1, 0.5f);
    Square(0, 1, 60, 10);
    Square(0, 1, 68, 10);
    gVideo->DrawSpriteRegion(sheet, 16, 0, 16, 8, 60, 10, 1, 1, 1, 1);
    gVideo->DrawSpriteRegion(sheet, 16, 0, 16, 8, 60, 10, 0, 1, 0, 0.5f);
    EXPECT_TRUE(Shows(13, 13, {255, 128, 0}));
    EXPECT_TRUE(Shows(33, 13, {128, 128, 255}));
    EXPECT_TRUE(Shows(62, 13, kBlue));
    EXPECT_TRUE(Shows(70, 13, {128, 255, 128}));

    Square(3, 0, 0, 100);
    const Texture mask = Load(
        TgaBytes{3, 8, 3, 2, "", 0, 0, {255, 0, 255, /**/ 0, 255, 0}}.Build()); // bottom row first
    // Nearest sampling so that single texels can be told apart.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gVideo->DrawSpriteRegion(mask, 0, 0, 3, 2, 0, 100, 1, 0, 0, 1);
    for (int x = 0; x < 3; ++x) {
        EXPECT_TRUE(Shows(x, 100, x == 1 ? kBlack : kWhite));
        EXPECT_TRUE(Shows(x, 101, x == 1 ? kWhite : kBlack));
    }

    gKernel->settings["h_res"].number = 65536;
    EXPECT_THROW(VideoSystem().Init(""), GameError);
}
