#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <regex>

TEST(ProgramRun, WithoutSettingsItSaysSoAndOpensNoWindow) {
    TempDir dir;
    X11Session x11;
    GameProcess game(dir.path(), GameProcess::Quiet());
    ASSERT_TRUE(game.Wait(20.0));
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), "Could not open Data\\engine.cfg\n");
    if (x11.Connected()) {
        EXPECT_EQ(x11.FindWindow("Vornak", game.Pid(), 0.0), 0u);
    }
}

// Scale 0 on the tests' 1280 x 1024 screen: twice 480 rows would leave too little room.
// Each run appends the settings to the run log, sorted by key, after the last run's.
TEST(ProgramRun, OpensTheWindowClosesCleanlyAndAppendsTheRunLog) {
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    for (int run = 1; run <= 2; ++run) {
        GameProcess game(dir.path(), GameProcess::QuietDrawing());
        const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
        ASSERT_NE(window, 0u) << game.StandardError();
        int width = 0, height = 0;
        ASSERT_TRUE(x11.Size(window, width, height));
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(640, 480));
        x11.RequestClose(window);
        ASSERT_TRUE(game.Wait(20.0)) << "the game did not end after its window was closed";
        EXPECT_EQ(game.ExitCode(), 0);
        EXPECT_EQ(game.StandardError(), "");
    }
    const std::regex listing(" *[0-9]+: bpp = 32\n *[0-9]+: full_screen = 0\n"
                             " *[0-9]+: h_res = 640\n *[0-9]+: scale = 0\n"
                             " *[0-9]+: use_opengl = 1\n *[0-9]+: v_res = 480\n"
                             " *[0-9]+: Size of map: 6\n");
    const std::string log = dir.Read("runlog.txt");
    std::smatch first;
    ASSERT_TRUE(std::regex_search(log, first, listing)) << log;
    EXPECT_TRUE(std::regex_search(first.suffix().str(), listing)) << log;
}
