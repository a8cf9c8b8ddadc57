#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <filesystem>

// The real program at difficulty hard: the computer's fighters plan on a thread while the
// player's archers, ordered with the keys alone, shoot them down. H first shows a hint in
// the strip's top line. The battle's replay then plays back to the same end.
TEST(HardBattle, ThePlannedBattlePlaysToItsEndAfterAHintAndItsReplayMatches) {
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("data/engine.cfg", "scale = 0", "scale = 1");
    dir.Write("options.cfg", "difficulty = hard\n");
    for (int i = 0; i < 8; ++i) {
        dir.Write(
            "NPCs/fighter" + std::to_string(i + 1) + ".cfg",
            std::string(i < 4 ? "name = Archer\nteam = 1\nspeed = 12\nhealth = 6\nposx = 40\n"
                              : "name = Raider\nteam = 2\nspeed = 6\nhealth = 1\nposx = 200\n") +
                "meleeskill = 6\nmissileskill = 12\nposy = " + std::to_string(24 + 56 * (i % 4)) +
                "\n");
    }
    X11Session x11;
    GameProcess game(dir.path(), {}, {GameProcess::kNoLeakCheck});
    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
    ASSERT_NE(window, 0u) << game.StandardError();
    const auto hintLine = [&] { return x11.Brightness(window, 12, 386, 300, 14); };
    ASSERT_TRUE(Eventually(20.0, [&] { return hintLine() > 0.0; }));
    const double stone = hintLine();

    x11.Key("h", window);
    EXPECT_TRUE(Eventually(10.0, [&] { return hintLine() > stone + 8.0; }))
        << "no hint line: " << stone << " then " << hintLine();

    const std::string replays = dir.path() + "/replays"; // one for every ended battle
    const auto over = [&] {
        return std::filesystem::exists(replays) && !std::filesystem::is_empty(replays);
    };
    EXPECT_TRUE(Eventually(
        90.0,
        [&] {
            for (const char* key : {"6", "Tab", "Return"}) { // shoot until dead at the first enemy
                x11.Key(key, window);
            }
            return over();
        }))
        << "the battle did not end within 90 s; " << game.StandardError();
    x11.Key("q", window);
    ASSERT_TRUE(game.Wait(20.0));
    EXPECT_EQ(game.ExitCode(), 0);
    ASSERT_TRUE(over());

    GameProcess verify(dir.path(), {"replay", "--verify",
                                    std::filesystem::directory_iterator(replays)->path().string()});
    ASSERT_TRUE(verify.Wait(60.0));
    EXPECT_EQ(verify.StandardOutput().rfind("replay matches: Victory", 0), 0u)
        << verify.StandardOutput() << verify.StandardError();
}
