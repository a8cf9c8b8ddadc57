#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Battle folder `name` on sand: team 1 at x 24, only its first fighter acting (so the
// battle waits for the player at once), archers who always hit on team 2 at `enemyX`.
void WriteBattle(const TempDir& dir, const std::string& name, int enemyX) {
    const std::string folder = "battles/" + name + "/";
    dir.Write(folder + "battle.cfg", "title = Test " + name +
                                         "\nabout = made by the test\n"
                                         "ground = sand\n");
    const int rows[4] = {16, 64, 192, 240};
    for (int i = 0; i < 8; ++i) {
        const bool left = i < 4;
        dir.Write(folder + "NPCs/fighter" + std::to_string(i + 1) + ".cfg",
                  "name = " + name + std::to_string(i + 1) + "\nteam = " + (left ? "1" : "2") +
                      "\nspeed = " + (left ? (i == 0 ? "12" : "0") : "1") +
                      "\nhealth = 20\nmeleeskill = 2\nmissileskill = 12\nposx = " +
                      std::to_string(left ? 24 : enemyX) +
                      "\nposy = " + std::to_string(rows[i % 4]) + "\n");
    }
}

} // namespace

// The real game started on a battle folder of the test's making: its fighters stand where
// its files put them and fight. B opens the chooser, Escape brings the battle back as it
// was; B again, Down to the other test battle and Enter starts that one.
TEST(BattleChooser, BattleFromTheCommandLineThenChosenAnotherAndBackUnchanged) {
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("data/engine.cfg", "scale = 0", "scale = 1");
    WriteBattle(dir, "alpha", 232);
    WriteBattle(dir, "beta", 136);
    X11Session x11;
    GameProcess game(dir.path(), {"--battle", "alpha"}, {GameProcess::kNoLeakCheck});
    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
    ASSERT_NE(window, 0u) << game.StandardError();
    x11.Click(window, 630, 470); // the keys go to the window under the pointer

    // A fighter's square is darker than the sand around it.
    const auto at = [&](int x, int y) { return x11.Brightness(window, x, y, 16, 16); };
    const double sand = 150.0;
    ASSERT_TRUE(Eventually(20.0, [&] { return at(232, 64) > 20.0 && at(232, 64) < sand; }));
    EXPECT_GT(at(136, 64), sand) << "nobody stands where the other battle puts its archers";
    const auto log = [&] { return x11.Brightness(window, 18, 280, 600, 90); };
    EXPECT_LT(log(), 1.0);
    x11.Key("5", window); // Shoot once at an archer: the log fills, the leader waits again
    x11.Click(window, 240, 72);
    ASSERT_TRUE(Eventually(20.0, [&] { return log() > 1.0; })) << "no line in the log";

    // B counts only while the leader waits (not while arrows fly): pressed until the
    // chooser's dark stone covers the sand.
    const auto choose = [&] {
        return Eventually(20.0, [&] {
            x11.Key("b", window);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            return at(150, 150) < 120.0;
        });
    };
    const double field[2] = {at(232, 16), log()};
    ASSERT_TRUE(choose()) << "no chooser";
    x11.Key("Escape", window);
    ASSERT_TRUE(Eventually(10.0, [&] { return at(150, 150) > sand; }));
    EXPECT_NEAR(at(232, 16), field[0], 3.0);
    EXPECT_NEAR(log(), field[1], 1.0) << "the log as it was";

    ASSERT_TRUE(choose());
    // Rows: the game folder's fighters, alpha (picked), ambush, beta.
    x11.Key("Down", window);
    x11.Key("Down", window);
    x11.Key("Return", window);
    ASSERT_TRUE(Eventually(20.0, [&] { return at(136, 64) < sand && at(232, 64) > sand; }))
        << "the other battle did not start";
    x11.RequestClose(window);
    ASSERT_TRUE(game.Wait(20.0));
    EXPECT_EQ(game.StandardError(), "");
}
