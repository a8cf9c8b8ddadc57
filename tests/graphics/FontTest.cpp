#include "graphics/Font.h"

#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

// A font on a 16-pixel-wide sheet where "A" is 7 wide at x 1 and "B" 8 wide at x 2.
class FontTest : public testing::Test {
protected:
    FontTest() {
        font.sheet = Texture{5, 16.0f, 2000.0f};
        font.glyphWidth['A' - 33] = 7;
        font.glyphX['A' - 33] = 1;
        font.glyphWidth['B' - 33] = 8;
        font.glyphX['B' - 33] = 2;
    }

    // The x of every draw of `text` started at `x`.
    std::vector<int32_t> Pen(const std::string& text, int32_t x) {
        engine.video->draws.clear();
        font.DrawText(text, x, 7, 1, 1, 1);
        std::vector<int32_t> xs;
        for (const auto& draw : engine.video->draws) {
            xs.push_back(draw.x);
        }
        return xs;
    }

    ScopedEngine engine;
    Font font;
};

} // namespace

// A glyph is cut from its own 16-row band ("!" is band 0, "B" band 33) in the draw's
// colour; glyphs are 2 pixels apart; a space and every code without a glyph (controls,
// DEL, bytes above 127) draw nothing and advance half the sheet (7 on a 15-pixel one).
TEST_F(FontTest, GlyphsBandsAndThePen) {
    font.DrawChar(40, 50, 'B', 0.25f, 0.5f, 0.75f);
    font.DrawChar(0, 0, '!', 1, 1, 1);
    font.DrawChar(0, 0, '~', 1, 1, 1);
    const auto& draws = engine.video->draws;
    ASSERT_EQ(3u, draws.size());
    const auto& b = draws[0];
    EXPECT_EQ(
        (std::vector<float>{5, 2, 33 * 16, 8, 16, 40, 50, 0.25f, 0.5f, 0.75f, 1}),
        (std::vector<float>{float(b.texture), b.sourceX, b.sourceY, b.sourceWidth, b.sourceHeight,
                            float(b.x), float(b.y), b.red, b.green, b.blue, b.alpha}));
    EXPECT_EQ(0.0f, draws[1].sourceY);
    EXPECT_EQ(93.0f * 16, draws[2].sourceY);

    EXPECT_EQ((std::vector<int32_t>{100, 109, 119}), Pen("ABA", 100));
    font.glyphWidth[127 - 33] = 50; // would be DEL's entry
    font.sheet.width = 15.0f;
    EXPECT_EQ((std::vector<int32_t>{0, 9 + 6 * 7}),
              Pen(std::string("A \t\x7f\x80\xff") + '\0' + "B", 0));
    engine.video->draws.clear();
    for (int code : {-128, 0, 31, 32, 127, 128, 289, INT_MIN, INT_MAX}) {
        font.DrawChar(0, 0, code, 1, 1, 1);
    }
    EXPECT_TRUE(engine.video->draws.empty());

    // Widths from a broken file must not overflow the pen.
    font.glyphWidth['A' - 33] = INT_MAX;
    EXPECT_EQ((std::vector<int32_t>{INT_MAX - 5, INT_MAX, INT_MAX}), Pen("AAA", INT_MAX - 5));
    font.glyphWidth['A' - 33] = INT_MIN;
    font.sheet.width = 3e38f;
    EXPECT_EQ((std::vector<int32_t>{INT_MIN + 5, 4}), Pen("A A", INT_MIN + 5)); // + INT_MAX
}

// The sheet's path, 256 widths, then 256 x positions; what is not read (the file ends or
// turns into words) is 0.
TEST(FontDescription, ReadsPathWidthsPositionsAndZeroesWhatIsMissing) {
    std::ostringstream text;
    text << "images\\font.tga";
    for (int i = 0; i < 300; ++i) {
        text << " " << (i < 256 ? i % 10 + 1 : i);
    }
    std::string path;
    int32_t widths[256], xs[256];
    EXPECT_FALSE(Font::ParseDescription(text.str(), path, widths, xs));
    EXPECT_EQ("images\\font.tga", path);
    EXPECT_EQ((std::vector<int32_t>{1, 10, 6, 256, 299, 0}),
              (std::vector<int32_t>{widths[0], widths[9], widths[255], xs[0], xs[43], xs[44]}));
    EXPECT_FALSE(Font::ParseDescription("sheet.tga 4 5 x 6", path, widths, xs));
    EXPECT_EQ((std::vector<int32_t>{4, 5, 0, 0}),
              (std::vector<int32_t>{widths[0], widths[1], widths[2], widths[3]}));
    EXPECT_FALSE(Font::ParseDescription("", path, widths, xs));
    EXPECT_EQ("", path);
}
