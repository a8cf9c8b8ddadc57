#include "graphics/MainInterface.h"

#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace {

InterfaceElement Button(int32_t id, int32_t x, int32_t y) {
    return {id, 1, 64, 128, x, y, 32, 16};
}

// The four pictures of a button, as offsets in the sheet from the normal one.
using Picture = std::pair<float, float>;
const Picture kNormal{0, 0}, kUnder{32, 0}, kPressed{0, 16}, kInactive{32, 16};

// A 32 x 16 button A (id 3) at (10, 20) and B (id 5) at (10, 60), origin (300, 400):
// A covers (310, 420) to (342, 436) on screen, B the same 40 rows lower.
class InterfaceTest : public testing::Test {
protected:
    void SetUp() override {
        ui.originX = 300;
        ui.originY = 400;
        ui.elements = {Button(3, 10, 20), Button(5, 10, 60)};
    }

    void Frame(int32_t x, int32_t y, bool button) {
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = button;
        engine.video->draws.clear();
        ui.Update();
    }

    void Click(int32_t pressX, int32_t pressY, int32_t releaseX, int32_t releaseY) {
        Frame(pressX, pressY, true);
        Frame(releaseX, releaseY, false);
    }

    Picture Shown(std::size_t index) const {
        const auto& draw = engine.video->draws.at(index);
        return {draw.sourceX - 64, draw.sourceY - 128};
    }

    ScopedEngine engine;
    MainInterface ui;
};

} // namespace

// Each element is drawn in white at origin plus place. Both edges count for the pointer:
// a 32-pixel-wide button reacts over 33 columns and 17 rows.
TEST_F(InterfaceTest, DrawsEachElementAndHoverIncludesBothEdges) {
    Frame(0, 0, false);
    ASSERT_EQ(2u, engine.video->draws.size());
    const auto& b = engine.video->draws[1];
    EXPECT_TRUE(b.region);
    EXPECT_EQ((std::vector<int32_t>{310, 460}), (std::vector<int32_t>{b.x, b.y}));
    EXPECT_EQ((std::vector<float>{32, 16, 1, 1, 1, 1}),
              (std::vector<float>{b.sourceWidth, b.sourceHeight, b.red, b.green, b.blue, b.alpha}));
    EXPECT_EQ(kNormal, Shown(0));
    EXPECT_EQ(kNormal, Shown(1));

    for (auto [x, y] : {std::pair{310, 420}, {342, 420}, {310, 436}, {342, 436}}) {
        Frame(x, y, false);
        EXPECT_EQ(kUnder, Shown(0)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{309, 428}, {343, 428}, {320, 419}, {320, 437}}) {
        Frame(x, y, false);
        EXPECT_EQ(kNormal, Shown(0)) << x << "," << y;
    }
    Frame(320, 428, true);
    EXPECT_EQ(kPressed, Shown(0));
    EXPECT_EQ(kNormal, Shown(1));
}

// A click is a press over any live button and a later release over any live button; the
// one under the pointer at the release is chosen.
TEST_F(InterfaceTest, ReleaseChoosesTheButtonUnderThePointer) {
    Frame(320, 428, true);
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(0, ui.command);
    Frame(320, 428, false);
    EXPECT_EQ(3, ui.command);
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(0, ui.clickedId);

    Click(320, 428, 320, 468); // press on A, release on B
    EXPECT_EQ(5, ui.command);

    // Off the buttons the press is kept until the pointer next rests on a live one.
    ui.command = 0;
    Frame(320, 428, true);
    Click(100, 100, 100, 100);
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(0, ui.command);
    Frame(320, 468, false);
    EXPECT_EQ(5, ui.command);
    EXPECT_FALSE(gKernel->quit);

    // Of overlapping buttons the first in file order takes it.
    ui.elements[1] = Button(5, 20, 20);
    Click(330, 428, 330, 428);
    EXPECT_EQ(3, ui.command);
    EXPECT_EQ(kUnder, Shown(1));
}

TEST_F(InterfaceTest, InactiveElementShowsItsPictureAndNeverReacts) {
    ui.elements[0].enabled = 0;
    Frame(320, 428, true);
    EXPECT_EQ(kInactive, Shown(0));
    EXPECT_FALSE(ui.pressed);

    // Nor does a release over it deliver a press made elsewhere.
    Click(320, 468, 320, 428);
    EXPECT_EQ(0, ui.command);
    EXPECT_TRUE(ui.pressed);
}

// The quit id ends the program and stays the command; id 0 is swallowed.
TEST_F(InterfaceTest, QuitAndIdZero) {
    ui.elements[0].id = 0;
    ui.elements[1].id = MainInterface::kQuitId;
    ui.command = 4;
    Click(320, 428, 320, 428);
    EXPECT_EQ(4, ui.command);
    EXPECT_FALSE(ui.pressed);
    EXPECT_FALSE(gKernel->quit);

    Click(320, 468, 320, 468);
    EXPECT_TRUE(gKernel->quit);
    EXPECT_EQ(7, ui.command);
}

TEST_F(InterfaceTest, NumbersFromTheFileCannotOverflow) {
    ui.originX = INT_MAX;
    ui.originY = INT_MIN;
    ui.elements = {Button(3, INT_MAX, INT_MIN)};
    ui.elements[0].width = INT_MAX;
    ui.elements[0].sourceX = INT_MAX;
    Frame(INT_MAX, INT_MIN, false);
    ASSERT_EQ(1u, engine.video->draws.size());
    EXPECT_EQ(INT_MAX, engine.video->draws[0].x);
    EXPECT_EQ(INT_MIN, engine.video->draws[0].y);
}

// Only complete groups of eight become elements; numbers not read are 0.
TEST(InterfaceLayout, ReadsHeaderAndCompleteGroupsOnly) {
    std::string sheet;
    int32_t x = -1, y = -1;
    std::vector<InterfaceElement> elements;
    Interface::ParseLayout("images\\ui.tga 300 400\n"
                           "1 1 0 0 10 20 32 16\n"
                           "7 0 64 -3\t50 20 33 17\n"
                           "9 1 0 0 90\n",
                           sheet, x, y, elements);
    EXPECT_EQ("images\\ui.tga", sheet);
    EXPECT_EQ(300, x);
    EXPECT_EQ(400, y);
    ASSERT_EQ(2u, elements.size());
    const InterfaceElement& e = elements[1];
    EXPECT_EQ(
        (std::vector<int32_t>{7, 0, 64, -3, 50, 20, 33, 17}),
        (std::vector<int32_t>{e.id, e.enabled, e.sourceX, e.sourceY, e.x, e.y, e.width, e.height}));

    Interface::ParseLayout("ui.tga 300", sheet, x, y, elements);
    EXPECT_EQ("ui.tga", sheet);
    EXPECT_EQ(300, x);
    EXPECT_EQ(0, y);
    EXPECT_TRUE(elements.empty());
}

// Without a readable layout there are no buttons and no sheet.
TEST(InterfaceFile, UnreadableLayoutLoadsNothing) {
    TempDir dir;
    ScopedEngine engine;
    MainInterface ui;
    ui.Init("data\\maininterface.txt");
    ui.Update();
    EXPECT_TRUE(engine.video->loaded.empty());
    EXPECT_TRUE(ui.elements.empty());
    EXPECT_TRUE(engine.video->draws.empty());
}
