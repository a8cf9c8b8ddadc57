#include "graphics/Font.h"

#include "engine/GameError.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

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
        font.sheet.height = 1504.0f;
        font.glyphWidth['A' - 33] = 7;
        font.glyphX['A' - 33] = 1;
        font.glyphWidth['B' - 33] = 8;
        font.glyphX['B' - 33] = 2;
    }

    const std::vector<RecordingVideo::Draw>& draws() const { return engine.video->draws; }

    ScopedEngine engine;
    Font font;
};

std::string Description(const std::string& sheet, int count) {
    std::ostringstream out;
    out << sheet << "\n";
    for (int i = 0; i < count; ++i) {
        out << (i < 256 ? i % 10 + 1 : i - 256) << (i % 16 == 15 ? "\n" : " ");
    }
    return out.str();
}

} // namespace

TEST_F(FontTest, GlyphIsCutFromItsOwnBandInTheSheet) {
    font.DrawChar(40, 50, 'B', 0.25f, 0.5f, 0.75f);
    ASSERT_EQ(1u, draws().size());
    const auto& draw = draws()[0];
    EXPECT_TRUE(draw.region);
    EXPECT_EQ(5u, draw.texture);
    EXPECT_EQ(2.0f, draw.sourceX);
    EXPECT_EQ(33.0f * 16, draw.sourceY); // "B" is code 66, band 33
    EXPECT_EQ(8.0f, draw.sourceWidth);
    EXPECT_EQ(16.0f, draw.sourceHeight);
    EXPECT_EQ(40, draw.x);
    EXPECT_EQ(50, draw.y);
    EXPECT_EQ(0.25f, draw.red);
    EXPECT_EQ(0.5f, draw.green);
    EXPECT_EQ(0.75f, draw.blue);
    EXPECT_EQ(1.0f, draw.alpha);
}

TEST_F(FontTest, FirstAndLastGlyphBands) {
    font.DrawChar(0, 0, '!', 1, 1, 1);
    font.DrawChar(0, 0, '~', 1, 1, 1);
    ASSERT_EQ(2u, draws().size());
    EXPECT_EQ(0.0f, draws()[0].sourceY);
    EXPECT_EQ(93.0f * 16, draws()[1].sourceY);
}

TEST_F(FontTest, GlyphsAreSeparatedByTwoPixels) {
    font.DrawText("AB", 100, 7, 1, 1, 1);
    ASSERT_EQ(2u, draws().size());
    EXPECT_EQ(100, draws()[0].x);
    EXPECT_EQ(109, draws()[1].x);
    EXPECT_EQ(7, draws()[1].y);
    // The pen ends at 19: a third glyph would start there.
    engine.video->draws.clear();
    font.DrawText("ABA", 0, 0, 1, 1, 1);
    EXPECT_EQ(19, draws()[2].x);
}

// The space draws nothing and advances half the sheet's width, with no gap of its own.
TEST_F(FontTest, SpaceAdvancesHalfTheSheet) {
    font.DrawText("A B", 10, 0, 1, 1, 1);
    ASSERT_EQ(2u, draws().size());
    EXPECT_EQ(10, draws()[0].x);
    EXPECT_EQ(10 + 7 + 2 + 8, draws()[1].x);

    engine.video->draws.clear();
    font.sheet.width = 15.0f; // 7.5, truncated
    font.DrawText(" A", 0, 0, 1, 1, 1);
    ASSERT_EQ(1u, draws().size());
    EXPECT_EQ(7, draws()[0].x);
}

TEST_F(FontTest, EmptyTextDrawsNothing) {
    font.DrawText("", 10, 10, 1, 1, 1);
    EXPECT_TRUE(draws().empty());
}

// Control characters, DEL and bytes above 127 have no glyph: they draw nothing and take a
// space's room, and never reach outside the tables.
TEST_F(FontTest, CharactersWithoutGlyphsActLikeSpaces) {
    font.glyphWidth[127 - 33] = 50; // would be DEL's entry
    const std::string text = std::string("A") + '\t' + '\x7f' + '\x80' + '\xff' + '\0' + "B";
    font.DrawText(text, 0, 0, 1, 1, 1);
    ASSERT_EQ(2u, draws().size());
    EXPECT_EQ(0, draws()[0].x);
    EXPECT_EQ(9 + 5 * 8, draws()[1].x);

    engine.video->draws.clear();
    for (int code : {-128, -1, 0, 31, 32, 127, 128, 288, 289, INT_MIN, INT_MAX}) {
        font.DrawChar(0, 0, code, 1, 1, 1);
    }
    EXPECT_TRUE(draws().empty());
}

// Widths from a broken file must not overflow the pen.
TEST_F(FontTest, HugeWidthsClampThePen) {
    font.glyphWidth['A' - 33] = INT_MAX;
    font.DrawText("AAA", INT_MAX - 5, 0, 1, 1, 1);
    ASSERT_EQ(3u, draws().size());
    EXPECT_EQ(INT_MAX, draws()[2].x);

    engine.video->draws.clear();
    font.glyphWidth['A' - 33] = INT_MIN;
    font.sheet.width = 3e38f;
    font.DrawText("A A", INT_MIN + 5, 0, 1, 1, 1);
    ASSERT_EQ(2u, draws().size());
    EXPECT_EQ(INT_MIN + 5, draws()[0].x);
    EXPECT_EQ(4, draws()[1].x); // INT_MIN + 5 + INT_MAX
}

TEST(FontDescription, ReadsPathThenWidthsThenPositions) {
    std::string path;
    int32_t widths[256];
    int32_t xs[256];
    ASSERT_TRUE(Font::ParseDescription(Description("images\\font.tga", 512), path, widths, xs));
    EXPECT_EQ("images\\font.tga", path);
    EXPECT_EQ(1, widths[0]);
    EXPECT_EQ(10, widths[9]);
    EXPECT_EQ(6, widths[255]);
    EXPECT_EQ(0, xs[0]);
    EXPECT_EQ(255, xs[255]);
}

TEST(FontDescription, EarlyEndLeavesTheRestZero) {
    std::string path = "old";
    int32_t widths[256];
    int32_t xs[256];
    std::fill(std::begin(widths), std::end(widths), -9);
    std::fill(std::begin(xs), std::end(xs), -9);
    EXPECT_FALSE(Font::ParseDescription(Description("sheet.tga", 300), path, widths, xs));
    EXPECT_EQ(6, widths[255]);
    EXPECT_EQ(43, xs[43]);
    EXPECT_EQ(0, xs[44]);
    EXPECT_EQ(0, xs[255]);

    // A word where a number should be stops the reading there.
    EXPECT_FALSE(Font::ParseDescription("sheet.tga 4 5 x 6", path, widths, xs));
    EXPECT_EQ(5, widths[1]);
    EXPECT_EQ(0, widths[2]);
    EXPECT_EQ(0, widths[3]);

    EXPECT_FALSE(Font::ParseDescription("", path, widths, xs));
    EXPECT_EQ("", path);
    EXPECT_EQ(0, widths[0]);
}

TEST(FontFile, InitLoadsTheNamedSheet) {
    TempDir dir;
    ScopedEngine engine;
    dir.Write("data/kestfont.txt", Description("images\\kest.tga", 512));
    Font font;
    font.Init("data\\kestfont.txt");
    ASSERT_EQ(1u, engine.video->loaded.size());
    EXPECT_EQ("images\\kest.tga", engine.video->loaded[0]);
    EXPECT_EQ(1u, font.sheet.id);
    EXPECT_EQ(2, font.glyphWidth[1]);
    EXPECT_EQ(7, font.glyphX[7]);
}

// Without a description there is no sheet path, and the sheet's load fails as any
// unopenable picture does.
TEST(FontFile, MissingDescriptionFailsAtTheSheet) {
    TempDir dir;
    VideoSystem video; // the real loader, which needs no window to fail
    gVideo = &video;
    struct Restore {
        ~Restore() { gVideo = nullptr; }
    } restore;
    Font font;
    try {
        font.Init("data\\kestfont.txt");
        FAIL() << "no error";
    } catch (const GameError& error) {
        EXPECT_STREQ("Could not open ", error.what());
    }
}
