#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <thread>

namespace {

struct Button {
    int x = 0, y = 0, width = 0, height = 0;
};

// The buttons by id, in game pixels, as the layout file places them.
std::map<int, Button> ReadButtons(const std::string& layoutPath) {
    std::ifstream in(layoutPath);
    std::string sheet;
    int originX = 0, originY = 0;
    in >> sheet >> originX >> originY;
    std::map<int, Button> buttons;
    int id, enabled, sourceX, sourceY, x, y, width, height;
    while (in >> id >> enabled >> sourceX >> sourceY >> x >> y >> width >> height) {
        buttons[id] = Button{originX + x, originY + y, width, height};
    }
    return buttons;
}

} // namespace

// A player at the mouse: the real program under X at window scale 2, driven by clicks on
// its buttons and on the enemies it shows, where every game pixel is a 2 x 2 block of the
// window. Sure-handed fast archers against slow, frail enemies who would rather shoot (so
// they stay where they stand and can be clicked), clear of the banner at the end.
TEST(PlayedBattle, ThePlayersArchersShootTheEnemyDownThroughTheButtons) {
    constexpr int kScale = 2;
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Write("data/engine.cfg", "h_res = 640\nv_res = 480\nbpp = 32\nfull_screen = 0\n"
                                 "use_opengl = 1\nscale = 2\n");
    const int enemyX = 200;
    const int enemyY[4] = {24, 72, 184, 232};
    for (int i = 0; i < 8; ++i) {
        const bool archer = i < 4;
        dir.Write("NPCs/fighter" + std::to_string(i + 1) + ".cfg",
                  std::string("name = ") + (archer ? "Archer" : "Raider") + char('A' + i % 4) +
                      (archer ? "\nteam = 1\nspeed = 12\nmissileskill = 12\nposx = 40"
                              : "\nteam = 2\nspeed = 1\nmissileskill = 3\nposx = 200") +
                      "\nhealth = " + (archer ? "5" : "1") +
                      "\nmeleeskill = 2\nposy = " + std::to_string(enemyY[i % 4]) + "\n");
    }
    const std::map<int, Button> buttons = ReadButtons(dir.path() + "/data/maininterface.txt");
    ASSERT_EQ(buttons.size(), 8u);

    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    GameProcess game(dir.path(), GameProcess::QuietDrawing());
    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
    ASSERT_NE(window, 0u) << game.StandardError();
    ASSERT_TRUE(x11.WaitForBattlefield(window, 20.0));
    int width = 0, height = 0;
    ASSERT_TRUE(x11.Size(window, width, height));
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(640 * kScale, 480 * kScale));

    const auto click = [&](int x, int y) { x11.Click(window, x * kScale, y * kScale); };
    const auto clickButton = [&](int id) {
        const Button& b = buttons.at(id);
        click(b.x + b.width / 2, b.y + b.height / 2);
    };
    const auto brightness = [&](int x, int y, int w, int h) {
        return x11.Brightness(window, x * kScale, y * kScale, w * kScale, h * kScale);
    };
    // The message log's rectangle under the battlefield: black until a line is written.
    const auto logBrightness = [&] { return brightness(9, 271, 300, 100); };

    // Under load (the sanitizer build) the first frame may come late.
    for (int tries = 0; tries < 100 && brightness(enemyX, enemyY[0], 16, 16) < 20.0; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    double alive[4];
    for (int i = 0; i < 4; ++i) {
        alive[i] = brightness(enemyX, enemyY[i], 16, 16);
    }
    EXPECT_LT(logBrightness(), 1.0) << "the log starts empty";

    const auto shootDown = [&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline && game.Running()) {
            bool allDead = true;
            for (int i = 0; i < 4; ++i) {
                if (brightness(enemyX, enemyY[i], 16, 16) > alive[i] * 0.6) {
                    allDead = false;
                    clickButton(6); // whoever waits gets "Shoot until dead" at this enemy
                    click(enemyX + 8, enemyY[i] + 8);
                }
            }
            if (allDead) {
                return true;
            }
        }
        return false;
    };
    const auto expectEnemiesBack = [&](const char* how) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(brightness(enemyX, enemyY[i], 16, 16), alive[i], 3.0)
                << "enemy " << i + 1 << " after " << how;
        }
    };

    EXPECT_TRUE(shootDown()) << "the enemies were not all shot down within a minute";
    EXPECT_GT(logBrightness(), 1.0) << "no message line was written";

    // With every enemy dead the battle is over. Again brings them back where they
    // stood; the second battle plays to its end too, and R starts a third. Quit (shown
    // while an archer waits, as at the end) ends the game cleanly.
    ASSERT_TRUE(game.Running()) << game.StandardError();
    clickButton(8);
    expectEnemiesBack("Again");
    EXPECT_TRUE(shootDown()) << "the second battle did not end within a minute";
    x11.Key("r");
    expectEnemiesBack("R");
    clickButton(7);
    ASSERT_TRUE(game.Wait(20.0)) << "Quit did not end the game";
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), "");
}
