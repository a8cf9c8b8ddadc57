#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

int CountLines(const std::string& text, const std::string& needle) {
    int count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

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
        // Scale 0 on the tests' 1280 x 1024 screen: twice 480 rows would leave too little room.
        EXPECT_EQ(width, 640);
        EXPECT_EQ(height, 480);
        x11.RequestClose(window);
        ASSERT_TRUE(game.Wait(20.0)) << "the game did not end after its window was closed";
        EXPECT_EQ(game.ExitCode(), 0);
        EXPECT_EQ(game.StandardError(), "");

        const std::string log = dir.Read("runlog.txt");
        EXPECT_EQ(CountLines(log, ": Size of map: 6\n"), run);
        // The settings listing: sorted by key, each line stamped in five columns.
        const std::regex listing(" *[0-9]+: bpp = 32\n *[0-9]+: full_screen = 0\n"
                                 " *[0-9]+: h_res = 640\n *[0-9]+: scale = 0\n"
                                 " *[0-9]+: use_opengl = 1\n *[0-9]+: v_res = 480\n"
                                 " *[0-9]+: Size of map: 6\n");
        EXPECT_TRUE(std::regex_search(log, listing)) << log;
        std::istringstream lines(log);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(std::regex_match(line, std::regex("( {4}[0-9]| {3}[0-9]{2}| {2}[0-9]{3}| "
                                                          "[0-9]{4}|[0-9]{5,}): .*")))
                << line;
        }
    }
}
