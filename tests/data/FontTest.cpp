#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/data/DataReaders.h"

using namespace data;

namespace {

struct FontDescription {
    std::string sheetPath;
    std::vector<int> widths; // index i is character 33 + i
    std::vector<int> xs;
    size_t extraWords = 0;
};

FontDescription ReadFont() {
    FontDescription font;
    std::vector<std::string> words = Words(ReadBytes(GameFile("data/kestfont.txt")));
    if (words.empty())
        return font;
    font.sheetPath = words[0];
    for (size_t i = 1; i < words.size() && i <= 512; ++i) {
        int value = std::atoi(words[i].c_str());
        EXPECT_EQ(std::to_string(value), words[i]) << "not a plain integer";
        (i <= 256 ? font.widths : font.xs).push_back(value);
    }
    font.extraWords = words.size() > 513 ? words.size() - 513 : 0;
    return font;
}

} // namespace

TEST(Font, DescriptionHasASheetAndExactly512Numbers) {
    FontDescription font = ReadFont();
    ASSERT_FALSE(font.sheetPath.empty());
    EXPECT_EQ(font.widths.size(), 256u);
    EXPECT_EQ(font.xs.size(), 256u);
    EXPECT_EQ(font.extraWords, 0u);
    Tga sheet = ReadTga(DiskPath(font.sheetPath));
    ASSERT_TRUE(sheet.ok) << font.sheetPath;
    EXPECT_EQ(sheet.descriptor & 0x20, 0);
    EXPECT_GE(sheet.height, 94 * 16) << "one 16-row band for each of '!' to '~'";
}

TEST(Font, EveryPrintableCharacterHasAnInkedGlyphInsideItsBand) {
    FontDescription font = ReadFont();
    ASSERT_EQ(font.widths.size(), 256u);
    Tga sheet = ReadTga(DiskPath(font.sheetPath));
    ASSERT_TRUE(sheet.ok);
    for (int code = 33; code <= 126; ++code) {
        int i = code - 33;
        int w = font.widths[i], x = font.xs[i];
        EXPECT_GT(w, 0) << "character " << char(code);
        EXPECT_GE(x, 0);
        EXPECT_LE(x + w, sheet.width) << "character " << char(code);
        if (w > 0 && x >= 0 && x + w <= sheet.width) {
            EXPECT_GT(sheet.OpaqueCount(x, i * 16, w, 16), 0) << "character " << char(code);
        }
    }
    for (int i = 126 - 33 + 1; i < 256; ++i)
        EXPECT_EQ(font.widths[i], 0) << "unused entry " << i;
}

// The game tints glyphs by multiplying: only white glyphs come out in the asked colour.
// Ink outside a glyph's own columns would bleed into its neighbours' draws.
TEST(Font, GlyphsAreWhiteAndStayInTheirColumns) {
    FontDescription font = ReadFont();
    ASSERT_EQ(font.widths.size(), 256u);
    Tga sheet = ReadTga(DiskPath(font.sheetPath));
    ASSERT_TRUE(sheet.ok);
    for (int code = 33; code <= 126; ++code) {
        int i = code - 33;
        for (int y = i * 16; y < i * 16 + 16; ++y)
            for (int x = 0; x < sheet.width; ++x) {
                Rgba p = sheet.At(x, y);
                if (p.a == 0)
                    continue;
                EXPECT_TRUE(p.r == 255 && p.g == 255 && p.b == 255) << char(code);
                EXPECT_TRUE(x >= font.xs[i] && x < font.xs[i] + font.widths[i])
                    << char(code) << " inked at column " << x;
            }
    }
}

// A space advances half the sheet's width; letters advance their width plus 2. Text reads
// badly when a space is narrower than the gap between letters or wider than two letters.
TEST(Font, ProportionsReadAsText) {
    FontDescription font = ReadFont();
    ASSERT_EQ(font.widths.size(), 256u);
    Tga sheet = ReadTga(DiskPath(font.sheetPath));
    ASSERT_TRUE(sheet.ok);
    int space = sheet.width / 2;
    int letterAdvance = font.widths['n' - 33] + 2;
    EXPECT_GE(space, 3);
    EXPECT_LE(space, 2 * letterAdvance);
    EXPECT_LT(font.widths['i' - 33], font.widths['m' - 33]);
    EXPECT_LT(font.widths['.' - 33], font.widths['W' - 33]);
    // The longest message line must fit the 640-pixel window from x 9.
    std::string line = "Mordag fires a missile attack at Brenna!";
    int pen = 0;
    for (char c : line)
        pen += c == ' ' ? space : font.widths[c - 33] + 2;
    EXPECT_LT(9 + pen, 630);
}
