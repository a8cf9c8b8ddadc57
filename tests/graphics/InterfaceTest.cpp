#include "graphics/MainInterface.h"

#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

InterfaceElement Button(int32_t id, int32_t x, int32_t y, int32_t enabled = 1) {
    InterfaceElement element;
    element.id = id;
    element.enabled = enabled;
    element.sourceX = 64;
    element.sourceY = 128;
    element.x = x;
    element.y = y;
    element.width = 32;
    element.height = 16;
    return element;
}

// A 32 x 16 button A (id 3) at (10, 20) and B (id 5) at (10, 60), origin (300, 400).
class InterfaceTest : public testing::Test {
protected:
    void SetUp() override {
        ui.originX = 300;
        ui.originY = 400;
        ui.elements = {Button(3, 10, 20), Button(5, 10, 60)};
    }

    // One frame with the pointer at (x, y).
    void Frame(int32_t x, int32_t y, bool button) {
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = button;
        engine.video->draws.clear();
        ui.Update();
    }

    enum Picture { Normal, Under, Pressed, Inactive, Other };
    Picture Shown(std::size_t index) const {
        const auto& draw = engine.video->draws.at(index);
        const auto& element = ui.elements.at(index);
        const bool right = draw.sourceX == element.sourceX + element.width;
        const bool below = draw.sourceY == element.sourceY + element.height;
        if (draw.sourceX != element.sourceX && !right) {
            return Other;
        }
        if (draw.sourceY != element.sourceY && !below) {
            return Other;
        }
        return right ? (below ? Inactive : Under) : (below ? Pressed : Normal);
    }

    ScopedEngine engine;
    MainInterface ui;
};

} // namespace

TEST_F(InterfaceTest, EachElementIsDrawnInWhiteAtOriginPlusPlace) {
    Frame(0, 0, false);
    ASSERT_EQ(2u, engine.video->draws.size());
    const auto& draw = engine.video->draws[1];
    EXPECT_TRUE(draw.region);
    EXPECT_EQ(310, draw.x);
    EXPECT_EQ(460, draw.y);
    EXPECT_EQ(32.0f, draw.sourceWidth);
    EXPECT_EQ(16.0f, draw.sourceHeight);
    EXPECT_EQ(1.0f, draw.red);
    EXPECT_EQ(1.0f, draw.green);
    EXPECT_EQ(1.0f, draw.blue);
    EXPECT_EQ(1.0f, draw.alpha);
    EXPECT_EQ(Normal, Shown(0));
    EXPECT_EQ(Normal, Shown(1));
}

// Both edges count: a 32-pixel-wide button reacts over 33 columns and 17 rows.
TEST_F(InterfaceTest, HoverIncludesBothEdges) {
    for (int32_t x : {310, 342}) {
        for (int32_t y : {420, 436}) {
            Frame(x, y, false);
            EXPECT_EQ(Under, Shown(0)) << x << "," << y;
        }
    }
    for (auto [x, y] : {std::pair{309, 428}, {343, 428}, {320, 419}, {320, 437}}) {
        Frame(x, y, false);
        EXPECT_EQ(Normal, Shown(0)) << x << "," << y;
    }
    Frame(320, 428, true);
    EXPECT_EQ(Pressed, Shown(0));
    EXPECT_EQ(Normal, Shown(1));
}

TEST_F(InterfaceTest, InactiveElementShowsItsPictureAndNeverReacts) {
    ui.elements[0].enabled = 0;
    Frame(320, 428, true);
    EXPECT_EQ(Inactive, Shown(0));
    EXPECT_FALSE(ui.pressed);
    Frame(320, 428, false);
    EXPECT_EQ(Inactive, Shown(0));
    EXPECT_EQ(0, ui.command);

    // A press elsewhere is not delivered by a release over the inactive element either.
    Frame(320, 468, true);
    Frame(320, 428, false);
    EXPECT_EQ(0, ui.command);
    EXPECT_TRUE(ui.pressed);
}

TEST_F(InterfaceTest, PressAndReleaseOnOneButtonChoosesIt) {
    Frame(320, 428, true);
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(0, ui.command);
    Frame(320, 428, false);
    EXPECT_EQ(3, ui.command);
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(0, ui.clickedId);
    EXPECT_FALSE(gKernel->quit);
}

TEST_F(InterfaceTest, ReleaseOverAnotherButtonClicksThatOne) {
    Frame(320, 428, true);
    Frame(320, 468, false);
    EXPECT_EQ(5, ui.command);
}

// The press is remembered off the buttons until the pointer next rests on a live one.
TEST_F(InterfaceTest, PressIsKeptUntilTheNextReleaseOverAButton) {
    Frame(320, 428, true);
    Frame(100, 100, true);
    Frame(100, 100, false);
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(0, ui.command);
    Frame(320, 468, false);
    EXPECT_EQ(5, ui.command);
    EXPECT_FALSE(ui.pressed);
}

// With overlapping buttons the first in file order takes the click.
TEST_F(InterfaceTest, FirstOfOverlappingButtonsTakesTheClick) {
    ui.elements[1] = Button(5, 20, 20);
    Frame(330, 428, true);
    Frame(330, 428, false);
    EXPECT_EQ(3, ui.command);
    EXPECT_EQ(Under, Shown(1));
}

TEST_F(InterfaceTest, QuitButtonEndsTheProgramAndStaysTheCommand) {
    ui.elements[1].id = MainInterface::kQuitId;
    Frame(320, 468, true);
    Frame(320, 468, false);
    EXPECT_TRUE(gKernel->quit);
    EXPECT_EQ(7, ui.command);
}

// A click on an element with id 0 is swallowed and leaves the chosen command alone.
TEST_F(InterfaceTest, IdZeroChangesNothing) {
    ui.command = 4;
    ui.elements[0].id = 0;
    Frame(320, 428, true);
    Frame(320, 428, false);
    EXPECT_EQ(4, ui.command);
    EXPECT_FALSE(ui.pressed);
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

TEST(MainInterfaceEmpty, DrawsNothingAndKeepsTheCommand) {
    ScopedEngine engine;
    MainInterface ui;
    ui.command = 2;
    engine.input->mouseX = 5;
    engine.input->leftButton = true;
    ui.Update();
    engine.input->leftButton = false;
    ui.Update();
    EXPECT_TRUE(engine.video->draws.empty());
    EXPECT_EQ(2, ui.command);
}

TEST(InterfaceLayout, ReadsHeaderAndCompleteGroupsOnly) {
    std::string sheet;
    int32_t x = -1, y = -1;
    std::vector<InterfaceElement> elements;
    Interface::ParseLayout("images\\ui.tga 300 400\n"
                           "1 1 0 0 10 20 32 16\n"
                           "7 0 64 0\t50 20 32 16\n"
                           "9 1 0 0 90\n",
                           sheet, x, y, elements);
    EXPECT_EQ("images\\ui.tga", sheet);
    EXPECT_EQ(300, x);
    EXPECT_EQ(400, y);
    ASSERT_EQ(2u, elements.size());
    const InterfaceElement& last = elements[1];
    EXPECT_EQ(7, last.id);
    EXPECT_EQ(0, last.enabled);
    EXPECT_EQ(64, last.sourceX);
    EXPECT_EQ(0, last.sourceY);
    EXPECT_EQ(50, last.x);
    EXPECT_EQ(20, last.y);
    EXPECT_EQ(32, last.width);
    EXPECT_EQ(16, last.height);
}

TEST(InterfaceLayout, IncompleteHeaderGivesNoElements) {
    std::string sheet;
    int32_t x = -1, y = -1;
    std::vector<InterfaceElement> elements{InterfaceElement()};
    Interface::ParseLayout("ui.tga 300", sheet, x, y, elements);
    EXPECT_EQ("ui.tga", sheet);
    EXPECT_EQ(300, x);
    EXPECT_EQ(0, y);
    EXPECT_TRUE(elements.empty());

    Interface::ParseLayout("", sheet, x, y, elements);
    EXPECT_EQ("", sheet);
    EXPECT_EQ(0, x);
}

TEST(InterfaceFile, InitLoadsSheetAndElements) {
    TempDir dir;
    ScopedEngine engine;
    dir.Write("data/maininterface.txt", "images\\ui.tga 300 400\n"
                                        "1 1 0 0 10 20 32 16\n"
                                        "2 1 0 32 50 20 32 16\n");
    MainInterface ui;
    ui.command = 9;
    ui.pressed = true;
    ui.Init("data\\maininterface.txt");
    EXPECT_EQ(std::vector<std::string>{"images\\ui.tga"}, engine.video->loaded);
    EXPECT_EQ(2u, ui.elements.size());
    EXPECT_EQ(300, ui.originX);
    EXPECT_EQ(0, ui.command);
    EXPECT_FALSE(ui.pressed);
}

TEST(InterfaceFile, UnreadableLayoutLoadsNothing) {
    TempDir dir;
    ScopedEngine engine;
    MainInterface ui;
    ui.Init("data\\maininterface.txt");
    EXPECT_TRUE(engine.video->loaded.empty());
    EXPECT_TRUE(ui.elements.empty());
    ui.Update();
    EXPECT_TRUE(engine.video->draws.empty());
}
