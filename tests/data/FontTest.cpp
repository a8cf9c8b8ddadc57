#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/data/DataReaders.h"

using namespace data;

// The description is the sheet's path, 256 widths and 256 x positions, entry i being
// character 33 + i; each character owns the 16-row band i of the sheet.
TEST(Font, EveryPrintableCharacterHasAWhiteGlyphInsideItsOwnCells) {
    std::vector<std::string> words = Words(ReadBytes(GameFile("data/kestfont.txt")));
    ASSERT_EQ(words.size(), 513u);
    std::vector<int> numbers;
    for (size_t i = 1; i < words.size(); ++i)
        numbers.push_back(std::atoi(words[i].c_str()));
    const int* widths = numbers.data();
    const int* xs = widths + 256;
    Tga sheet = ReadTga(GameFile(words[0]));
    ASSERT_TRUE(sheet.ok) << words[0];
    ASSERT_GE(sheet.height, 94 * 16) << "one 16-row band for each of '!' to '~'";

    for (int code = 33; code <= 126; ++code) {
        SCOPED_TRACE(std::string("character ") + char(code));
        int i = code - 33, w = widths[i], x = xs[i];
        EXPECT_GT(w, 0);
        ASSERT_TRUE(x >= 0 && x + w <= sheet.width) << x << " + " << w;
        EXPECT_GT(sheet.OpaqueCount(x, i * 16, w, 16), 0);
        // Glyphs are tinted by multiplying, so only white comes out in the asked colour; ink
        // outside a glyph's columns would bleed into its neighbours' draws.
        for (int y = i * 16; y < i * 16 + 16; ++y)
            for (int px = 0; px < sheet.width; ++px)
                if (sheet.At(px, y).a > 0) {
                    EXPECT_TRUE(sheet.At(px, y).White() && px >= x && px < x + w) << px;
                }
    }
}
