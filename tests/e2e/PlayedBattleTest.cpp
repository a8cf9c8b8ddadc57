#include "graphics/Interface.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// A player at the mouse: the real program under X at window scale 2, driven by clicks on
// its buttons and on the enemies it shows, where every game pixel is a 2 x 2 block of the
// window. Sure-handed fast archers against slow, frail enemies who would rather shoot (so
// they stay where they stand and can be clicked), clear of the banner at the end.
TEST(PlayedBattle, ThePlayersArchersShootTheEnemyDownThroughTheButtons) {
    constexpr int kScale = 2;
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("data/engine.cfg", "scale = 0", "scale = 2");
    const int enemyX = 200;
    const int enemyY[4] = {24, 72, 184, 232};
    for (int i = 0; i < 8; ++i) {
        dir.Write("NPCs/fighter" + std::to_string(i + 1) + ".cfg",
                  std::string(i < 4 ? "name = Archer\nteam = 1\nspeed = 12\nmissileskill = 12\n"
                                      "health = 5\nposx = 40\n"
                                    : "name = Raider\nteam = 2\nspeed = 1\nmissileskill = 3\n"
                                      "health = 1\nposx = 200\n") +
                      "meleeskill = 2\nposy = " + std::to_string(enemyY[i % 4]) + "\n");
    }
    std::string sheet;
    int32_t originX = 0, originY = 0;
    std::vector<InterfaceElement> buttons;
    Interface::ParseLayout(dir.Read("data/maininterface.txt"), sheet, originX, originY, buttons);
    ASSERT_EQ(buttons.size(), 9u);

    X11Session x11;
    GameProcess game(dir.path(), {}, {GameProcess::kNoLeakCheck});
    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
    ASSERT_NE(window, 0u) << game.StandardError();

    const auto click = [&](int x, int y) { x11.Click(window, x * kScale, y * kScale); };
    const auto clickButton = [&](int id) {
        const InterfaceElement& b = buttons.at(id - 1);
        click(originX + b.x + b.width / 2, originY + b.y + b.height / 2);
    };
    const auto enemy = [&](int i) {
        return x11.Brightness(window, enemyX * kScale, enemyY[i] * kScale, 16 * kScale,
                              16 * kScale);
    };
    // The message log's rectangle under the battlefield: black until a line is written.
    const auto logBrightness = [&] { return x11.Brightness(window, 18, 542, 600, 200); };

    // Under load (the sanitizer build) the first frame may come late.
    ASSERT_TRUE(Eventually(20.0, [&] { return enemy(0) >= 20.0; }));
    const double alive[4] = {enemy(0), enemy(1), enemy(2), enemy(3)};
    EXPECT_LT(logBrightness(), 1.0) << "the log starts empty";

    // Whoever waits gets "Shoot until dead" at each enemy still standing; true when none
    // stands. shootDown is false when that takes over a minute or the game ends.
    const auto allShot = [&] {
        bool allDead = true;
        for (int i = 0; i < 4 && game.Running(); ++i) {
            if (enemy(i) > alive[i] * 0.6) {
                allDead = false;
                clickButton(6);
                click(enemyX + 8, enemyY[i] + 8);
            }
        }
        return allDead;
    };
    const auto shootDown = [&] { return Eventually(60.0, allShot) && game.Running(); };
    const auto expectEnemiesBack = [&](const char* how) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(enemy(i), alive[i], 3.0) << "enemy " << i + 1 << " after " << how;
        }
    };

    ASSERT_TRUE(shootDown()) << "not all shot down within a minute; " << game.StandardError();
    EXPECT_GT(logBrightness(), 1.0) << "no message line was written";

    // With every enemy dead the battle is over. Again brings them back where they
    // stood; the second battle plays to its end too, and R starts a third. Quit (shown
    // while an archer waits, as at the end) ends the game cleanly.
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
