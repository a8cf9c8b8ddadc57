#include "engine/GameError.h"
#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>

#include <array>
#include <cstdlib>
#include <tuple>

namespace {

constexpr int kHeight = 240;
using Rgb = std::array<int, 3>;

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};
const Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kMagenta{255, 0, 255};

// A real window and the real video subsystem; pixels are read back from the frame drawn
// so far, composed but not swapped.
class SpriteDrawing : public testing::Test {
protected:
    void SetUp() override {
        gKernel = new Kernel;
        for (auto [key, value] : {std::pair{"h_res", 320},
                                  {"v_res", kHeight},
                                  {"bpp", 32},
                                  {"full_screen", 0},
                                  {"use_opengl", 1}}) {
            gKernel->settings[key].number = value;
        }
        gVideo = new VideoSystem;
        gVideo->Init("Data\\engine.cfg");
        gVideo->ClearFrame();
    }

    void TearDown() override {
        delete gKernel; // and the video subsystem with it
        gKernel = nullptr;
        SDL_Quit();
    }

    // A 24-bit picture of `block`-pixel squares, given top row first, written as the usual
    // bottom-up file and loaded.
    Texture Load(const std::vector<std::vector<Rgb>>& squares, int block = 8) {
        TgaBytes tga;
        tga.width = static_cast<uint16_t>(squares[0].size() * block);
        tga.height = static_cast<uint16_t>(squares.size() * block);
        for (auto line = squares.rbegin(); line != squares.rend(); ++line) {
            for (int i = 0; i < block * block * int(line->size()); ++i) {
                const Rgb& colour = (*line)[i % (block * line->size()) / block];
                tga.pixels.insert(tga.pixels.end(),
                                  {uint8_t(colour[2]), uint8_t(colour[1]), uint8_t(colour[0])});
            }
        }
        return Write(tga);
    }

    Texture Write(const TgaBytes& tga) {
        dir.Write("images/picture.tga", tga.Build());
        return gVideo->LoadTGA("images\\picture.tga");
    }

    TempDir dir;
};

// Screen pixel (x, y), y downward as the game counts it, within 2 of `expected`.
testing::AssertionResult Shows(int x, int y, const Rgb& expected) {
    gVideo->CompleteFrame();
    glFinish();
    unsigned char got[4] = {};
    glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, got);
    for (int i = 0; i < 3; ++i) {
        if (std::abs(expected[i] - got[i]) > 2) {
            return testing::AssertionFailure()
                   << "at " << x << "," << y << " expected (" << expected[0] << "," << expected[1]
                   << "," << expected[2] << ") got (" << int(got[0]) << "," << int(got[1]) << ","
                   << int(got[2]) << ")";
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

// The file holds the bottom row first; on screen the picture's top row is on top, and
// exactly 16 x 16 pixels are covered. Cells of a sheet are counted from its top-left
// corner, y downward. A window wider than X can keep is refused.
TEST_F(SpriteDrawing, PicturesAppearUprightAndCellsAreCountedFromTheTop) {
    const Texture texture = Load({{kRed, kGreen}, {kBlue, kWhite}});
    EXPECT_EQ(16.0f, texture.width);
    gVideo->DrawSprite(texture, 40, 30, 1, 1, 1, 1);
    for (auto [x, y, colour] : {std::tuple{40, 30, kRed},
                                {54, 31, kGreen},
                                {41, 44, kBlue},
                                {55, 45, kWhite},
                                {39, 35, kBlack},
                                {56, 35, kBlack},
                                {45, 29, kBlack},
                                {45, 46, kBlack}}) {
        EXPECT_TRUE(Shows(x, y, colour));
    }

    const std::vector<Rgb> white(4, kWhite);
    const Texture sheet =
        Load({{kRed, kGreen, kWhite, kWhite}, {kBlue, kWhite, kWhite, kWhite}, white, white}, 16);
    gVideo->DrawSpriteRegion(sheet, 0, 16, 16, 16, 108, 8, 1, 1, 1, 1);
    gVideo->DrawSpriteRegion(sheet, 16, 0, 16, 16, 200, 50, 1, 1, 1, 1);
    for (int at : {0, 7, 15}) {
        EXPECT_TRUE(Shows(108 + at, 8 + at, kBlue));
        EXPECT_TRUE(Shows(200 + at, 50 + at, kGreen));
    }
    EXPECT_TRUE(Shows(107, 16, kBlack));
    EXPECT_TRUE(Shows(124, 16, kBlack));
    EXPECT_TRUE(Shows(116, 24, kBlack));

    gKernel->settings["h_res"].number = 65536;
    VideoSystem tooWide;
    try {
        tooWide.Init("");
        ADD_FAILURE() << "a window 65536 wide was made";
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "Invalid width or height");
    }
}

// The draw colour multiplies the texels and alpha blends them over what is there; magenta
// is see-through in a 24-bit picture whatever the colour and alpha of the draw.
TEST_F(SpriteDrawing, ColourTintsAlphaBlendsAndKeyedTexelsNeverShow) {
    const Texture white = Load({{kWhite}});
    const Texture blue = Load({{kBlue, kBlue}});
    gVideo->DrawSprite(white, 10, 10, 1.0f, 0.5f, 0.0f, 1.0f);
    EXPECT_TRUE(Shows(13, 13, {255, 128, 0}));
    gVideo->DrawSprite(blue, 30, 10, 1, 1, 1, 1);
    gVideo->DrawSprite(white, 30, 10, 1, 1, 1, 0.5f);
    EXPECT_TRUE(Shows(33, 13, {128, 128, 255}));

    const Texture keyed = Load({{kMagenta, kRed}});
    gVideo->DrawSprite(blue, 60, 10, 1, 1, 1, 1);
    gVideo->DrawSprite(keyed, 60, 10, 1, 1, 1, 1);
    gVideo->DrawSprite(keyed, 60, 10, 0, 1, 0, 0.5f);
    EXPECT_TRUE(Shows(62, 13, kBlue));
    EXPECT_TRUE(Shows(73, 13, {128, 0, 0}));
}

// One-byte pictures become black texels with the byte as alpha; their three-pixel rows
// are uploaded without padding.
TEST_F(SpriteDrawing, GreyscalePictureIsAnAlphaMask) {
    TgaBytes tga;
    tga.type = 3;
    tga.depth = 8;
    tga.width = 3;
    tga.height = 2;
    tga.pixels = {255, 0, 255, /**/ 0, 255, 0}; // bottom row first
    gVideo->DrawSprite(Load({{kWhite}}), 0, 0, 1, 1, 1, 1);
    const Texture mask = Write(tga);
    // Nearest sampling so that single texels can be told apart.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gVideo->DrawSpriteRegion(mask, 0, 0, 3, 2, 0, 0, 1, 0, 0, 1);
    for (int x = 0; x < 3; ++x) {
        EXPECT_TRUE(Shows(x, 0, x == 1 ? kBlack : kWhite));
        EXPECT_TRUE(Shows(x, 1, x == 1 ? kWhite : kBlack));
    }
}
