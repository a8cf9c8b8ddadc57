#include "graphics/Font.h"

#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

// A glyph is cut from its own 16-row band ("!" is band 0, "B" band 33) in the draw's
// colour; glyphs are 2 pixels apart; a space and every code without a glyph (controls,
// DEL, bytes above 127) draw nothing and advance half the sheet (7 on a 15-pixel one).
TEST(Font, GlyphsBandsAndThePen) {
    ScopedEngine engine;
    Font font;
    font.sheet = Texture{5, 15.0f, 2000.0f};
    font.glyphWidth['A' - 33] = 7;
    font.glyphWidth['B' - 33] = 8;
    font.glyphX['B' - 33] = 2;
    font.glyphWidth[127 - 33] = 50; // would be DEL's entry
    font.DrawText(std::string("AB \t\x7f\x80") + '\0' + "!", 100, 50, 0.25f, 0.5f, 0.75f);
    const auto& draws = engine.video->draws;
    ASSERT_EQ(3u, draws.size());
    const auto& b = draws[1];
    EXPECT_EQ(
        (std::vector<float>{5, 2, 33 * 16, 8, 16, 109, 50, 0.25f, 0.5f, 0.75f, 1}),
        (std::vector<float>{float(b.texture), b.sourceX, b.sourceY, b.sourceWidth, b.sourceHeight,
                            float(b.x), float(b.y), b.red, b.green, b.blue, b.alpha}));
    EXPECT_EQ(0.0f, draws[2].sourceY);
    EXPECT_EQ(119 + 5 * 7, draws[2].x);
}

// The sheet's path, 256 widths, then 256 x positions; what is not read (the file ends or
// turns into words) is 0.
TEST(Font, DescriptionGivesPathWidthsThenPositions) {
    std::string text = "images\\font.tga";
    for (int i = 1; i <= 300; ++i) {
        text += " " + std::to_string(i);
    }
    std::string path;
    int32_t widths[256], xs[256];
    EXPECT_FALSE(Font::ParseDescription(text, path, widths, xs));
    EXPECT_EQ("images\\font.tga", path);
    EXPECT_EQ((std::vector<int32_t>{1, 256, 257, 300, 0}),
              (std::vector<int32_t>{widths[0], widths[255], xs[0], xs[43], xs[44]}));
    EXPECT_FALSE(Font::ParseDescription("sheet.tga 4 5 x 6", path, widths, xs));
    EXPECT_EQ((std::vector<int32_t>{4, 5, 0, 0}),
              (std::vector<int32_t>{widths[0], widths[1], widths[2], xs[0]}));
}
