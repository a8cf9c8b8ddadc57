// The game installed into a prefix, as the package installs it, and started from a folder
// that has nothing to do with it: it works in the player's own folder.
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

// Keeping the player's edits through a new version is GameFolder's, tested on its own.
TEST(InstalledGame, UsesThePlayersFolderAndTheirEdits) {
    TempDir dir;
    X11Session x11;
    const std::string prefix = dir.path() + "/prefix", elsewhere = dir.path() + "/elsewhere";
    const std::string install = std::string("\"") + VORNAK_CMAKE + "\" --install \"" +
                                VORNAK_BUILD_DIR + "\" --prefix \"" + prefix + "\" >/dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;
    // Starts the installed game, or `arguments` of it, from elsewhere; closes its window
    // once it shows unless `error` is expected; the game must end with exit code 0.
    const auto run = [&](const std::vector<std::string>& arguments, const std::string& error,
                         const std::string& dataHome = "/xdg") {
        GameProcess game(elsewhere, arguments,
                         {GameProcess::kNoLeakCheck, "XDG_DATA_HOME=" + dir.path() + dataHome},
                         prefix + "/games/vornak");
        if (arguments.empty() && error.empty()) {
            const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
            EXPECT_NE(window, 0u) << game.StandardError();
            x11.RequestClose(window);
        }
        EXPECT_TRUE(game.Wait(60.0));
        EXPECT_EQ(game.ExitCode(), 0) << game.StandardOutput();
        EXPECT_EQ(game.StandardError(), error);
    };
    dir.Write("elsewhere/.keep", "");

    run({}, "");
    run({"check"}, ""); // reads the same folder when given none
    // The run log lists every fighter file as read, so it shows which copy the game used.
    dir.Edit("xdg/vornak/NPCs/fighter1.cfg", "name = Aldric", "name = Edited");
    run({}, "");
    EXPECT_NE(dir.Read("xdg/vornak/runlog.txt").find(": name = Edited\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(elsewhere + "/runlog.txt"));

    fs::remove(prefix + "/share/games/vornak/images/background.tga");
    run({}, "Could not open images\\background.tga\n");
    // A player's folder that cannot be made, under a file.
    run({}, "Could not open " + elsewhere + "/.keep/vornak\n", "/elsewhere/.keep");
}
