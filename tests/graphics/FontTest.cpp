#include "graphics/Font.h"

#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

// A font on a 16-pixel-wide sheet where "A" is 7 wide at x 1 and "B" 8 wide at x 2.
class FontTest : public testing::Test {
protected:
    void SetUp() override {
        font.sheet.id = 5;
        font.sheet.width = 16.0f;
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
            EXPECT_EQ(7, draw.y);
        }
        return xs;
    }

    ScopedEngine engine;
    Font font;
};

// Widths 1..10 repeating, then x positions 0, 1, 2, ...
std::string Description(const std::string& sheet, int count) {
    std::ostringstream out;
    out << sheet << "\n";
    for (int i = 0; i < count; ++i) {
        out << (i < 256 ? i % 10 + 1 : i - 256) << " ";
    }
    return out.str();
}

} // namespace

TEST_F(FontTest, GlyphIsCutFromItsOwnBandInTheSheet) {
    font.DrawChar(40, 50, 'B', 0.25f, 0.5f, 0.75f);
    font.DrawChar(0, 0, '!', 1, 1, 1);
    font.DrawChar(0, 0, '~', 1, 1, 1);
    const auto& draws = engine.video->draws;
    ASSERT_EQ(3u, draws.size());
    const auto& b = draws[0];
    EXPECT_TRUE(b.region);
    EXPECT_EQ(5u, b.texture);
    EXPECT_EQ((std::vector<float>{2, 33 * 16, 8, 16}), // "B" is code 66, band 33
              (std::vector<float>{b.sourceX, b.sourceY, b.sourceWidth, b.sourceHeight}));
    EXPECT_EQ((std::vector<int32_t>{40, 50}), (std::vector<int32_t>{b.x, b.y}));
    EXPECT_EQ((std::vector<float>{0.25f, 0.5f, 0.75f, 1.0f}),
              (std::vector<float>{b.red, b.green, b.blue, b.alpha}));
    EXPECT_EQ(0.0f, draws[1].sourceY);
    EXPECT_EQ(93.0f * 16, draws[2].sourceY);
}

// Glyphs are 2 pixels apart; a space draws nothing and advances half the sheet's width
// (7.5 truncated on a 15-pixel sheet), with no gap of its own.
TEST_F(FontTest, PenAdvancesByWidthAndGapAndHalfASheetForSpaces) {
    EXPECT_EQ((std::vector<int32_t>{100, 109}), Pen("AB", 100));
    EXPECT_EQ((std::vector<int32_t>{0, 9, 19}), Pen("ABA", 0));
    EXPECT_EQ((std::vector<int32_t>{10, 10 + 7 + 2 + 8}), Pen("A B", 10));
    EXPECT_TRUE(Pen("", 10).empty());
    font.sheet.width = 15.0f;
    EXPECT_EQ(std::vector<int32_t>{7}, Pen(" A", 0));
}

// Control characters, DEL and bytes above 127 have no glyph: they draw nothing, take a
// space's room, and never reach outside the tables.
TEST_F(FontTest, CharactersWithoutGlyphsActLikeSpaces) {
    font.glyphWidth[127 - 33] = 50; // would be DEL's entry
    const std::string text = std::string("A") + '\t' + '\x7f' + '\x80' + '\xff' + '\0' + "B";
    EXPECT_EQ((std::vector<int32_t>{0, 9 + 5 * 8}), Pen(text, 0));

    engine.video->draws.clear();
    for (int code : {-128, -1, 0, 31, 32, 127, 128, 288, 289, INT_MIN, INT_MAX}) {
        font.DrawChar(0, 0, code, 1, 1, 1);
    }
    EXPECT_TRUE(engine.video->draws.empty());
}

// Widths from a broken file must not overflow the pen.
TEST_F(FontTest, HugeWidthsClampThePen) {
    font.glyphWidth['A' - 33] = INT_MAX;
    EXPECT_EQ((std::vector<int32_t>{INT_MAX - 5, INT_MAX, INT_MAX}), Pen("AAA", INT_MAX - 5));

    font.glyphWidth['A' - 33] = INT_MIN;
    font.sheet.width = 3e38f;
    EXPECT_EQ((std::vector<int32_t>{INT_MIN + 5, 4}), Pen("A A", INT_MIN + 5)); // + INT_MAX
}

TEST(FontDescription, ReadsPathWidthsPositionsAndZeroesWhatIsMissing) {
    std::string path = "old";
    int32_t widths[256];
    int32_t xs[256];
    ASSERT_TRUE(Font::ParseDescription(Description("images\\font.tga", 512), path, widths, xs));
    EXPECT_EQ("images\\font.tga", path);
    EXPECT_EQ((std::vector<int32_t>{1, 10, 6}),
              (std::vector<int32_t>{widths[0], widths[9], widths[255]}));
    EXPECT_EQ(255, xs[255]);

    EXPECT_FALSE(Font::ParseDescription(Description("sheet.tga", 300), path, widths, xs));
    EXPECT_EQ(6, widths[255]);
    EXPECT_EQ((std::vector<int32_t>{43, 0, 0}), (std::vector<int32_t>{xs[43], xs[44], xs[255]}));

    // A word where a number should be stops the reading there.
    EXPECT_FALSE(Font::ParseDescription("sheet.tga 4 5 x 6", path, widths, xs));
    EXPECT_EQ((std::vector<int32_t>{4, 5, 0, 0}),
              (std::vector<int32_t>{widths[0], widths[1], widths[2], widths[3]}));

    EXPECT_FALSE(Font::ParseDescription("", path, widths, xs));
    EXPECT_EQ("", path);
    EXPECT_EQ(0, widths[0]);
}
