#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/data/DataReaders.h"

using namespace data;

namespace {

// Screen rectangle, both edges included, as the interface tests the pointer (an element of
// width w reacts over w + 1 columns).
struct Box {
    int left, top, right, bottom;
};
bool Overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

// The layout is the sheet's path, the origin, then eight numbers per element: id, enabled,
// picture x and y, position x and y, width, height.
TEST(Layout, EightLiveButtonsInTheWindowClearOfEachOtherAndTheOtherAreas) {
    std::vector<std::string> words = Words(ReadBytes(GameFile("data/maininterface.txt")));
    ASSERT_EQ(words.size(), 3u + 8 * 8);
    std::vector<int> n;
    for (size_t i = 1; i < words.size(); ++i)
        n.push_back(std::atoi(words[i].c_str()));
    Tga sheet = ReadTga(GameFile(words[0]));
    ASSERT_TRUE(sheet.ok) << words[0];
    EXPECT_TRUE(sheet.width == 512 && sheet.height == 512);

    const Box window{0, 0, 639, 479}, field{8, 8, 263, 263}, panels{272, 8, 471, 113},
        log{9, 271, 420, 377};
    std::set<int> ids;
    std::vector<Box> placed;
    for (size_t at = 2; at < n.size(); at += 8) {
        int id = n[at], sourceX = n[at + 2], sourceY = n[at + 3], width = n[at + 6],
            height = n[at + 7];
        int x = n[0] + n[at + 4], y = n[1] + n[at + 5];
        SCOPED_TRACE("button " + std::to_string(id));
        ids.insert(id);
        EXPECT_NE(n[at + 1], 0) << "disabled";
        EXPECT_TRUE(width > 0 && height > 0);
        // Four pictures side by side in a 2 x 2 block: normal, pointed at, pressed, inactive.
        EXPECT_TRUE(sourceX >= 0 && sourceY >= 0 && sourceX + 2 * width <= sheet.width &&
                    sourceY + 2 * height <= sheet.height);
        Box b{x, y, x + width, y + height};
        EXPECT_TRUE(b.left >= window.left && b.top >= window.top && b.right <= window.right &&
                    b.bottom <= window.bottom);
        EXPECT_FALSE(Overlap(b, field)) << "covers the battlefield";
        EXPECT_FALSE(Overlap(b, panels)) << "covers the panels";
        EXPECT_FALSE(Overlap(b, log)) << "covers the message log";
        // Buttons that share a pixel would both react there, and the first would take clicks
        // (Again and the commands never show together, but Again shares the end with Quit).
        for (const Box& other : placed)
            EXPECT_FALSE(Overlap(b, other)) << "overlaps an earlier button";
        placed.push_back(b);
    }
    EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}
