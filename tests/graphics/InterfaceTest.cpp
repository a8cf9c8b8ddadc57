#include "graphics/MainInterface.h"

#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The four pictures of a button, as offsets in the sheet from the normal one.
using Picture = std::pair<float, float>;
const Picture kNormal{0, 0}, kUnder{32, 0}, kPressed{0, 16}, kInactive{32, 16};

// 32 x 16 buttons read from a layout: A (id 3) at (10, 20) and B (id 5) at (10, 60) from
// the origin (300, 400), so A covers (310, 420) to (342, 436) on screen, both edges
// included, and B the same 40 rows lower; C (id 7, inactive) lies far off.
class InterfaceTest : public testing::Test {
protected:
    InterfaceTest() {
        dir.Write("data/ui.txt", "images\\ui.tga 300 400\n3 1 64 128 10 20 32 16\n"
                                 "5 1 64 128 10 60 32 16\n7 0 64 128 500 0 32 16\n9 1 0 0 90\n");
        ui.Init("Data\\UI.txt");
    }

    // One frame with the pointer at (x, y); the picture each button shows.
    std::vector<Picture> Frame(int32_t x, int32_t y, bool button) {
        engine.input->mouseX = x;
        engine.input->mouseY = y;
        engine.input->leftButton = button;
        engine.video->draws.clear();
        ui.Update();
        std::vector<Picture> shown;
        for (const auto& draw : engine.video->draws) {
            shown.push_back({draw.sourceX - 64, draw.sourceY - 128});
        }
        return shown;
    }

    TempDir dir;
    ScopedEngine engine;
    MainInterface ui;
};

} // namespace

// Complete groups of eight become buttons, drawn at origin plus place in the
// picture that fits the pointer (over it up to both edges, or pressing it); an inactive
// one never reacts. A click is a press over any live button and a later release over any
// live button: the one under the pointer at the release is the command. Off the buttons
// the press is kept; the quit button (id 7) ends the program and stays the command.
TEST_F(InterfaceTest, ButtonsFollowThePointerAndTheReleaseChoosesTheCommand) {
    EXPECT_EQ(engine.video->loaded, std::vector<std::string>{"images\\ui.tga"});
    EXPECT_EQ((std::vector<Picture>{kNormal, kNormal, kInactive}), Frame(0, 0, false));
    for (auto [x, y, picture] : {std::tuple{310, 420, kUnder},
                                 {342, 436, kUnder},
                                 {309, 428, kNormal},
                                 {343, 428, kNormal},
                                 {320, 437, kNormal}}) {
        EXPECT_EQ(picture, Frame(x, y, false)[0]) << x << "," << y;
    }
    EXPECT_EQ(kInactive, Frame(810, 400, true)[2]);
    EXPECT_EQ((std::vector<Picture>{kPressed, kNormal, kInactive}), Frame(320, 428, true));
    EXPECT_EQ(0, ui.command);
    Frame(100, 100, false);
    Frame(320, 468, false);
    EXPECT_EQ(5, ui.command);
    ui.command = 0;
    Frame(320, 428, false);
    EXPECT_EQ(0, ui.command) << "one press, one click";
    EXPECT_FALSE(gKernel->quit);

    ui.elements[1].id = MainInterface::kQuitId;
    Frame(320, 468, true);
    Frame(320, 468, false);
    EXPECT_TRUE(gKernel->quit);
    EXPECT_EQ(7, ui.command);
}
