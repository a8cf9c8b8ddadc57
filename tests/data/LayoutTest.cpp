#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tests/data/DataReaders.h"

using namespace data;

namespace {

struct Element {
    int id, enabled, sourceX, sourceY, x, y, width, height;
};

struct Layout {
    std::string sheetPath;
    int originX = 0, originY = 0;
    std::vector<Element> elements;
    size_t leftoverNumbers = 0;
};

Layout ReadLayout() {
    Layout layout;
    std::vector<std::string> words = Words(ReadBytes(GameFile("data/maininterface.txt")));
    if (words.size() < 3)
        return layout;
    layout.sheetPath = words[0];
    layout.originX = std::atoi(words[1].c_str());
    layout.originY = std::atoi(words[2].c_str());
    std::vector<int> numbers;
    for (size_t i = 3; i < words.size(); ++i)
        numbers.push_back(std::atoi(words[i].c_str()));
    size_t i = 0;
    for (; i + 8 <= numbers.size(); i += 8)
        layout.elements.push_back(Element{numbers[i], numbers[i + 1], numbers[i + 2],
                                          numbers[i + 3], numbers[i + 4], numbers[i + 5],
                                          numbers[i + 6], numbers[i + 7]});
    layout.leftoverNumbers = numbers.size() - i;
    return layout;
}

// Screen rectangle, both edges included, as the interface tests the pointer (an element of
// width w reacts over w + 1 columns).
struct Box {
    int left, top, right, bottom;
};
bool Overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
Box OnScreen(const Layout& l, const Element& e) {
    int x = l.originX + e.x, y = l.originY + e.y;
    return Box{x, y, x + e.width, y + e.height};
}

} // namespace

TEST(Layout, SevenLiveButtonsWithTheIdsOneToSeven) {
    Layout layout = ReadLayout();
    ASSERT_EQ(layout.elements.size(), 7u);
    EXPECT_EQ(layout.leftoverNumbers, 0u);
    std::set<int> ids;
    for (const Element& e : layout.elements) {
        ids.insert(e.id);
        EXPECT_NE(e.enabled, 0) << "button " << e.id;
        EXPECT_GT(e.width, 0);
        EXPECT_GT(e.height, 0);
    }
    EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(Layout, ButtonsFitTheWindowAndLeaveTheOtherAreasAlone) {
    Layout layout = ReadLayout();
    ASSERT_EQ(layout.elements.size(), 7u);
    const Box window{0, 0, 639, 479};
    const Box field{8, 8, 263, 263};
    const Box panels{272, 8, 471, 113};
    const Box log{9, 271, 420, 377};
    for (size_t i = 0; i < layout.elements.size(); ++i) {
        Box b = OnScreen(layout, layout.elements[i]);
        int id = layout.elements[i].id;
        EXPECT_TRUE(b.left >= window.left && b.top >= window.top && b.right <= window.right &&
                    b.bottom <= window.bottom)
            << "button " << id;
        EXPECT_FALSE(Overlap(b, field)) << "button " << id << " covers the battlefield";
        EXPECT_FALSE(Overlap(b, panels)) << "button " << id << " covers the panels";
        EXPECT_FALSE(Overlap(b, log)) << "button " << id << " covers the message log";
        // Buttons that share a pixel would both react there, and the first would take clicks.
        for (size_t j = i + 1; j < layout.elements.size(); ++j)
            EXPECT_FALSE(Overlap(b, OnScreen(layout, layout.elements[j])))
                << "buttons " << id << " and " << layout.elements[j].id;
    }
}

// Each button has four pictures: normal, under the pointer, pressed and inactive. They must
// be in the sheet, drawn, and tell the states apart.
TEST(Layout, EveryButtonHasFourDistinctPicturesInTheSheet) {
    Layout layout = ReadLayout();
    ASSERT_EQ(layout.elements.size(), 7u);
    Tga sheet = ReadTga(DiskPath(layout.sheetPath));
    ASSERT_TRUE(sheet.ok) << layout.sheetPath;
    EXPECT_EQ(sheet.descriptor & 0x20, 0);
    for (const Element& e : layout.elements) {
        ASSERT_GE(e.sourceX, 0);
        ASSERT_GE(e.sourceY, 0);
        ASSERT_LE(e.sourceX + 2 * e.width, sheet.width) << "button " << e.id;
        ASSERT_LE(e.sourceY + 2 * e.height, sheet.height) << "button " << e.id;
        const int corners[4][2] = {{e.sourceX, e.sourceY},
                                   {e.sourceX + e.width, e.sourceY},
                                   {e.sourceX, e.sourceY + e.height},
                                   {e.sourceX + e.width, e.sourceY + e.height}};
        for (const auto& c : corners)
            EXPECT_EQ(sheet.OpaqueCount(c[0], c[1], e.width, e.height), e.width * e.height)
                << "button " << e.id << " picture at " << c[0] << "," << c[1];
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                int differing = 0;
                for (int y = 0; y < e.height; ++y)
                    for (int x = 0; x < e.width; ++x) {
                        Rgba p = sheet.At(corners[a][0] + x, corners[a][1] + y);
                        Rgba q = sheet.At(corners[b][0] + x, corners[b][1] + y);
                        differing +=
                            std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 30;
                    }
                EXPECT_GT(differing, e.width * e.height / 10)
                    << "button " << e.id << " pictures " << a << " and " << b;
            }
    }
}

// Labels are drawn into the pictures; different buttons need different pictures.
TEST(Layout, ButtonsAreLabelledDifferently) {
    Layout layout = ReadLayout();
    ASSERT_EQ(layout.elements.size(), 7u);
    Tga sheet = ReadTga(DiskPath(layout.sheetPath));
    ASSERT_TRUE(sheet.ok);
    for (size_t i = 0; i < layout.elements.size(); ++i)
        for (size_t j = i + 1; j < layout.elements.size(); ++j) {
            const Element &a = layout.elements[i], &b = layout.elements[j];
            int w = std::min(a.width, b.width), h = std::min(a.height, b.height);
            bool same = true;
            for (int y = 0; y < h && same; ++y)
                for (int x = 0; x < w && same; ++x) {
                    Rgba p = sheet.At(a.sourceX + x, a.sourceY + y);
                    Rgba q = sheet.At(b.sourceX + x, b.sourceY + y);
                    same = p.r == q.r && p.g == q.g && p.b == q.b;
                }
            EXPECT_FALSE(same) << "buttons " << a.id << " and " << b.id;
        }
}
