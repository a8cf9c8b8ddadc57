#include "graphics/WindowScale.h"
#include "engine/GameError.h"

#include <gtest/gtest.h>

TEST(WindowScale, ZeroPicksTheLargestScaleThatLeavesRoomOnTheDesktop) {
    // Desktop width and height, game width and height, the scale chosen.
    const int32_t cases[][5] = {
        {1920, 1080, 640, 480, 2},
        {3840, 2160, 640, 480, 4},
        {1280, 1024, 640, 480, 1},
        {0, 0, 640, 480, 1},
        {15360, 8640, 640, 480, 8},
        {1920, 1080, 0, 480, 1}, // a side of 0 is SDL's to choose, not scaled
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c[4], WindowScale::Fit(c[0], c[1], c[2], c[3])) << c[0] << " x " << c[1];
    }
}

// The message a refused value gives is the bad-file runs' to check.
TEST(WindowScale, TheSettingIsAWholeNumberFromZeroToEightOrMissing) {
    EXPECT_EQ(1, WindowScale::FromSettings({}, "engine.cfg"));
    EXPECT_EQ(0, WindowScale::FromSettings({{"scale", {1, 0.0f, ""}}}, "engine.cfg"));
    EXPECT_EQ(8, WindowScale::FromSettings({{"scale", {1, 8.0f, ""}}}, "engine.cfg"));
    for (const Setting& refused :
         {Setting{1, 9.0f, ""}, {1, -1.0f, ""}, {1, 1.5f, ""}, {1, 1e30f, ""}, {0, 0.0f, "big"}}) {
        EXPECT_THROW(WindowScale::FromSettings({{"scale", refused}}, "engine.cfg"), GameError)
            << refused.number << refused.text;
    }
}
