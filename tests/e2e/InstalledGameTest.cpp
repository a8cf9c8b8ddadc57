// The game installed into a prefix, as the package installs it, and started from a folder
// that has nothing to do with it: it works in the player's own folder.
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void Install(const std::string& prefix) {
    const std::string command = std::string("\"") + VORNAK_CMAKE + "\" --install \"" +
                                VORNAK_BUILD_DIR + "\" --prefix \"" + prefix + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// Starts the installed game from `where`, closes its window once it shows, and returns its
// standard error; the game must end with exit code 0.
std::string PlayOnce(const TempDir& dir, const std::string& where, bool expectWindow = true,
                     const std::string& dataHome = "/xdg") {
    std::vector<std::string> environment = GameProcess::QuietDrawing();
    environment.push_back("XDG_DATA_HOME=" + dir.path() + dataHome);
    GameProcess game(where, environment, {}, dir.path() + "/prefix/games/vornak");
    if (expectWindow) {
        X11Session x11;
        const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
        EXPECT_NE(window, 0u) << game.StandardError();
        x11.RequestClose(window);
    }
    EXPECT_TRUE(game.Wait(20.0));
    EXPECT_EQ(game.ExitCode(), 0);
    return game.StandardError();
}

} // namespace

TEST(InstalledGame, UsesThePlayersFolderAndKeepsTheirEditsThroughAReinstall) {
    TempDir dir;
    ASSERT_TRUE(X11Session().Connected()) << "needs an X display";
    Install(dir.path() + "/prefix");
    dir.Write("elsewhere/.keep", "");
    const std::string player = dir.path() + "/xdg/vornak/";

    EXPECT_EQ(PlayOnce(dir, dir.path() + "/elsewhere"), "");
    EXPECT_TRUE(fs::is_regular_file(player + "NPCs/fighter1.cfg"));
    EXPECT_NE(dir.Read("xdg/vornak/runlog.txt").find("Size of map"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path() + "/elsewhere/runlog.txt"));

    // The commands read the same folder when given none.
    std::vector<std::string> environment{"XDG_DATA_HOME=" + dir.path() + "/xdg"};
    GameProcess check(dir.path() + "/elsewhere", environment, {"check"},
                      dir.path() + "/prefix/games/vornak");
    ASSERT_TRUE(check.Wait(60.0));
    EXPECT_EQ(check.ExitCode(), 0) << check.StandardOutput();

    // The run log lists every fighter file as read, so it shows which copy the game used.
    const std::string fighter = dir.Read("xdg/vornak/NPCs/fighter1.cfg");
    const std::string named = "name = Edited\n" + fighter.substr(fighter.find('\n') + 1);
    dir.Write("xdg/vornak/NPCs/fighter1.cfg", named);
    Install(dir.path() + "/prefix");
    fs::remove(dir.path() + "/xdg/vornak/runlog.txt");
    EXPECT_EQ(PlayOnce(dir, dir.path() + "/elsewhere"), "");
    EXPECT_EQ(dir.Read("xdg/vornak/NPCs/fighter1.cfg"), named);
    EXPECT_NE(dir.Read("xdg/vornak/runlog.txt").find(": name = Edited\n"), std::string::npos);

    fs::remove(dir.path() + "/prefix/share/games/vornak/images/background.tga");
    EXPECT_EQ(PlayOnce(dir, dir.path() + "/elsewhere", false),
              "Could not open images\\background.tga\n");
    // A player's folder that cannot be made, under a file.
    EXPECT_EQ(PlayOnce(dir, dir.path() + "/elsewhere", false, "/elsewhere/.keep"),
              "Could not open " + dir.path() + "/elsewhere/.keep/vornak\n");
}
