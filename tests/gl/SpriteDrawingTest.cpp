#include "engine/Kernel.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>

#include <array>
#include <cstdlib>

namespace {

using Rgb = std::array<int, 3>;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
const Rgb kMagenta{255, 0, 255};

// A real window and the real video subsystem; pixels are read back from the frame being
// drawn, before any swap.
class SpriteDrawing : public testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    void SetUp() override {
        gKernel = new Kernel;
        SettingsTable& settings = gKernel->settings;
        settings["h_res"].number = kWidth;
        settings["v_res"].number = kHeight;
        settings["bpp"].number = 32;
        settings["full_screen"].number = 0;
        settings["use_opengl"].number = 1;
        gVideo = new VideoSystem;
        gVideo->Init("Data\\engine.cfg");
        gVideo->ClearFrame();
    }

    void TearDown() override {
        delete gKernel; // and the video subsystem with it
        gKernel = nullptr;
        SDL_Quit();
    }

    // Screen pixel (x, y), y downward as the game counts it.
    static Rgb Pixel(int x, int y) {
        glFinish();
        unsigned char rgba[4] = {};
        glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    // Writes a 24-bit picture, given top row first, as the usual bottom-up file.
    Texture Load24(const std::vector<std::vector<Rgb>>& rowsTopDown) {
        TgaBytes tga;
        tga.width = static_cast<uint16_t>(rowsTopDown[0].size());
        tga.height = static_cast<uint16_t>(rowsTopDown.size());
        for (auto row = rowsTopDown.rbegin(); row != rowsTopDown.rend(); ++row) {
            for (const Rgb& colour : *row) {
                tga.pixels.push_back(static_cast<uint8_t>(colour[2]));
                tga.pixels.push_back(static_cast<uint8_t>(colour[1]));
                tga.pixels.push_back(static_cast<uint8_t>(colour[0]));
            }
        }
        dir.Write("images/picture.tga", tga.Build());
        return gVideo->LoadTGA("images\\picture.tga");
    }

    // A picture of `size` squares of `block` pixels each, top-down.
    static std::vector<std::vector<Rgb>> Blocks(const std::vector<std::vector<Rgb>>& colours,
                                                int block) {
        std::vector<std::vector<Rgb>> rows;
        for (const auto& line : colours) {
            for (int y = 0; y < block; ++y) {
                std::vector<Rgb> row;
                for (const Rgb& colour : line) {
                    row.insert(row.end(), block, colour);
                }
                rows.push_back(row);
            }
        }
        return rows;
    }

    Texture Solid(const Rgb& colour) { return Load24(Blocks({{colour}}, 8)); }

    TempDir dir;
};

testing::AssertionResult Near(const Rgb& expected, const Rgb& actual) {
    for (int i = 0; i < 3; ++i) {
        if (std::abs(expected[i] - actual[i]) > 2) {
            return testing::AssertionFailure()
                   << "expected (" << expected[0] << "," << expected[1] << "," << expected[2]
                   << ") got (" << actual[0] << "," << actual[1] << "," << actual[2] << ")";
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

// The file holds the bottom row first; on screen the picture's top row is on top.
TEST_F(SpriteDrawing, BottomUpPictureAppearsUpright) {
    const Texture texture = Load24(Blocks({{kRed, kGreen}, {kBlue, kWhite}}, 8));
    EXPECT_EQ(16.0f, texture.width);
    EXPECT_EQ(16.0f, texture.height);
    gVideo->DrawSprite(texture, 40, 30, 1, 1, 1, 1);

    EXPECT_TRUE(Near(kRed, Pixel(41, 31)));
    EXPECT_TRUE(Near(kGreen, Pixel(54, 31)));
    EXPECT_TRUE(Near(kBlue, Pixel(41, 44)));
    EXPECT_TRUE(Near(kWhite, Pixel(54, 44)));
    // Exactly 16 x 16 pixels are covered.
    EXPECT_TRUE(Near(kRed, Pixel(40, 30)));
    EXPECT_TRUE(Near(kWhite, Pixel(55, 45)));
    EXPECT_TRUE(Near(kBlack, Pixel(39, 35)));
    EXPECT_TRUE(Near(kBlack, Pixel(56, 35)));
    EXPECT_TRUE(Near(kBlack, Pixel(45, 29)));
    EXPECT_TRUE(Near(kBlack, Pixel(45, 46)));
}

// Cells are measured from the picture's top-left corner, y downward.
TEST_F(SpriteDrawing, RegionCutsTheCellCountedFromTheTop) {
    const Texture sheet = Load24(Blocks({{kRed, kGreen, kWhite, kWhite},
                                         {kBlue, kWhite, kWhite, kWhite},
                                         {kWhite, kWhite, kWhite, kWhite},
                                         {kWhite, kWhite, kWhite, kWhite}},
                                        16));
    gVideo->DrawSpriteRegion(sheet, 0, 16, 16, 16, 8, 8, 1, 1, 1, 1);
    gVideo->DrawSpriteRegion(sheet, 16, 0, 16, 16, 100, 50, 1, 1, 1, 1);

    for (int at : {9, 16, 22}) {
        EXPECT_TRUE(Near(kBlue, Pixel(at, at))) << at;
        EXPECT_TRUE(Near(kGreen, Pixel(100 + at - 8, 50 + at - 8))) << at;
    }
    EXPECT_TRUE(Near(kBlack, Pixel(7, 16)));
    EXPECT_TRUE(Near(kBlack, Pixel(24, 16)));
    EXPECT_TRUE(Near(kBlack, Pixel(16, 24)));
}

TEST_F(SpriteDrawing, ColourTintsAndAlphaBlends) {
    const Texture white = Solid(kWhite);
    gVideo->DrawSprite(white, 10, 10, 1.0f, 0.5f, 0.0f, 1.0f);
    EXPECT_TRUE(Near({255, 128, 0}, Pixel(13, 13)));

    gVideo->DrawSprite(white, 30, 10, 0, 0, 1, 1);
    gVideo->DrawSprite(white, 30, 10, 1, 1, 1, 0.5f);
    EXPECT_TRUE(Near({128, 128, 255}, Pixel(33, 13)));
}

// Magenta is see-through in a 24-bit picture whatever the colour and alpha of the draw.
TEST_F(SpriteDrawing, KeyedTexelsNeverShow) {
    const Texture keyed = Load24(Blocks({{kMagenta, kRed}}, 8));
    gVideo->DrawSprite(Solid(kBlue), 10, 10, 1, 1, 1, 1);
    gVideo->DrawSprite(Solid(kBlue), 18, 10, 1, 1, 1, 1);
    gVideo->DrawSprite(keyed, 10, 10, 1, 1, 1, 1);
    EXPECT_TRUE(Near(kBlue, Pixel(12, 13)));
    EXPECT_TRUE(Near(kRed, Pixel(23, 13)));

    gVideo->DrawSprite(keyed, 10, 10, 1, 1, 1, 0.5f);
    EXPECT_TRUE(Near(kBlue, Pixel(12, 13)));
}

// One-byte pictures become black texels with the byte as alpha. Three-pixel rows also
// prove that rows are read without padding.
TEST_F(SpriteDrawing, GreyscalePictureIsAnAlphaMask) {
    TgaBytes tga;
    tga.type = 3;
    tga.depth = 8;
    tga.width = 3;
    tga.height = 2;
    tga.pixels = {255, 0, 255, /**/ 0, 255, 0}; // bottom row first
    dir.Write("images/mask.tga", tga.Build());
    const Texture mask = gVideo->LoadTGA("images\\mask.tga");
    gVideo->DrawSprite(Solid(kWhite), 0, 0, 1, 1, 1, 1);
    // Nearest sampling so that single texels can be told apart.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, mask.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gVideo->DrawSpriteRegion(mask, 0, 0, 3, 2, 0, 0, 1, 0, 0, 1);
    EXPECT_TRUE(Near(kWhite, Pixel(0, 0)));
    EXPECT_TRUE(Near(kBlack, Pixel(1, 0)));
    EXPECT_TRUE(Near(kWhite, Pixel(2, 0)));
    EXPECT_TRUE(Near(kBlack, Pixel(0, 1)));
    EXPECT_TRUE(Near(kWhite, Pixel(1, 1)));
}

// White sheet pixels take exactly the text's colour; the sheet's keyed pixels stay clear.
TEST_F(SpriteDrawing, FontGlyphsTakeTheTextColour) {
    // Band 0 is "!": 4 white pixels at x 2 of an 8-wide sheet, the rest magenta.
    std::vector<std::vector<Rgb>> rows(32, std::vector<Rgb>(8, kMagenta));
    for (int y = 0; y < 16; ++y) {
        for (int x = 2; x < 6; ++x) {
            rows[y][x] = kWhite;
        }
    }
    Font font;
    font.sheet = Load24(rows);
    font.glyphX[0] = 2;
    font.glyphWidth[0] = 4;
    font.DrawText("!", 60, 70, 0.0f, 1.0f, 0.0f);
    EXPECT_TRUE(Near(kGreen, Pixel(62, 78)));
    EXPECT_TRUE(Near(kBlack, Pixel(58, 78)));
    EXPECT_TRUE(Near(kBlack, Pixel(65, 78)));
}
