#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A copy of the game at window scale 1 with eight archers who always hit: team 1 at the
// left, its first acting at `leader` speed and the rest never, team 2 at the right acting
// at `enemies` speed; all clear of the banner's rows.
void MakeGame(const TempDir& dir, int leader, int enemies, const std::string& options = "") {
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("data/engine.cfg", "scale = 0", "scale = 1");
    const int rows[4] = {16, 64, 192, 240};
    for (int i = 0; i < 8; ++i) {
        const bool left = i < 4;
        const int speed = left ? (i == 0 ? leader : 0) : enemies;
        dir.Write("NPCs/fighter" + std::to_string(i + 1) + ".cfg",
                  std::string("name = Archer\nteam = ") + (left ? "1" : "2") +
                      "\nspeed = " + std::to_string(speed) +
                      "\nhealth = 3\nmeleeskill = 2\nmissileskill = 12\nposx = " +
                      (left ? "24" : "232") + "\nposy = " + std::to_string(rows[i % 4]) + "\n");
    }
    if (!options.empty()) {
        dir.Write("options.cfg", options);
    }
}

// Processor seconds (user and system) the process has used.
double CpuSeconds(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    for (int i = 0; i < 13 && stat >> field; ++i) {
    }
    long user = 0, system = 0;
    stat >> user >> system;
    return double(user + system) / double(sysconf(_SC_CLK_TCK));
}

struct Game {
    // `left`: where the window's left edge goes, so that two games side by side both show.
    explicit Game(const TempDir& dir, int left = 0)
        : process(
              dir.path(), {},
              {GameProcess::kNoLeakCheck, "SDL_VIDEO_WINDOW_POS=" + std::to_string(left) + ",0"}) {
        window = x11.FindWindow("Vornak", process.Pid(), 20.0);
        x11.Click(window, 630, 470); // the keys go to the window under the pointer
    }
    // The first frame shows the fighters (in a window).
    bool Shown() {
        return Eventually(20.0, [&] { return x11.Brightness(window, 24, 16, 16, 16) > 20.0; });
    }
    bool Quit() {
        x11.RequestClose(window);
        return process.Wait(20.0);
    }
    X11Session x11;
    GameProcess process;
    unsigned long window = 0;
};

// Seconds from the first frame to the banner of a battle the computer fights alone.
double BattleSeconds(const std::string& options, int left) {
    TempDir dir;
    MakeGame(dir, 0, 12, options);
    Game game(dir, left);
    const auto banner = [&] { return game.x11.Brightness(game.window, 60, 120, 150, 30); };
    EXPECT_TRUE(game.Shown());
    const double grass = banner();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(Eventually(90.0, [&] { return std::abs(banner() - grass) > 20.0; }));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(game.Quit());
    return took.count();
}

} // namespace

// P stops everything (the waiting archer's ring stops pulsing, the process rests) and P
// again goes on; an order is given with keys alone and its shot reaches the log; F11 goes
// full screen with the pointer landing where it points; M and quitting leave both in
// options.cfg, and the next start begins full screen and muted (M then unmutes).
TEST(ComfortGame, PauseKeyboardOrdersAndMuteThatLasts) {
    TempDir dir;
    MakeGame(dir, 12, 0); // nobody but the archer acts
    {
        Game game(dir);
        ASSERT_TRUE(game.Shown()) << game.process.StandardError();
        const auto picture = [&] { return game.x11.Pixels(game.window, 0, 0, 640, 480); };
        game.x11.Key("p");
        std::this_thread::sleep_for(300ms);
        const std::string paused = picture();
        const double before = CpuSeconds(game.process.Pid());
        std::this_thread::sleep_for(2s);
        EXPECT_TRUE(picture() == paused) << "the picture changed while paused";
        const double share = (CpuSeconds(game.process.Pid()) - before) / 2.0;
        EXPECT_LE(share, 0.02);
        std::printf("paused: %.1f %% of a core\n", share * 100.0);
        game.x11.Key("p");
        EXPECT_TRUE(Eventually(2.0, [&] { return picture() != paused; })) << "P did not resume";

        const auto log = [&] { return game.x11.Brightness(game.window, 10, 272, 600, 100); };
        EXPECT_LT(log(), 1.0);
        for (const char* key : {"5", "Tab", "Return"}) {
            game.x11.Key(key);
        }
        EXPECT_TRUE(Eventually(10.0, [&] { return log() > 1.0; })) << "no shot in the log";
        // F11: full screen at the same scale, the picture amid the 1280 x 1024 screen; a click
        // where Hold shows there holds the archer, and the buttons go.
        game.x11.Key("F11");
        const auto hold = [&] { return game.x11.Brightness(game.x11.Root(), 780, 402, 150, 16); };
        EXPECT_TRUE(Eventually(3.0, [&] { return hold() > 40.0; })) << "no Hold button there";
        game.x11.Click(game.x11.Root(), 859, 410);
        EXPECT_TRUE(Eventually(3.0, [&] { return hold() < 40.0; })) << "the click missed Hold";
        game.x11.Click(game.window, 630, 470);
        game.x11.Key("m");
        ASSERT_TRUE(game.Quit());
    }
    EXPECT_NE(dir.Read("options.cfg").find("mute = 1\n"), std::string::npos);
    Game again(dir);
    EXPECT_TRUE(Eventually(5.0, [&] {
        return again.x11.Brightness(again.x11.Root(), 330, 300, 100, 50) > 20.0;
    })) << "the field is not amid the screen: not started full screen";
    again.x11.Key("m");
    EXPECT_TRUE(Eventually(
        5.0, [&] { return dir.Read("options.cfg").find("mute = 0\n") != std::string::npos; }));
    EXPECT_TRUE(again.Quit());
}

// The same battle of the computer's alone takes at most half the time at speed 4. Both are
// played at once, so that whatever else the machine does slows both alike.
TEST(ComfortGame, TheComputersBattleTakesHalfTheTimeAtSpeedFour) {
    auto slow = std::async(std::launch::async, BattleSeconds, "", 0);
    const double fast = BattleSeconds("speed = 4\n", 640), normal = slow.get();
    std::printf("speed 1: %.1f s, speed 4: %.1f s\n", normal, fast);
    EXPECT_LE(fast, normal / 2.0);
}
