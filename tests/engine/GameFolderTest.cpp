// The player's own folder of an installed game: made on the first start, the player's edits
// kept through later starts and new versions of the package.
#include "platform/GameFolder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class GameFolderTest : public ::testing::Test {
protected:
    void Ship(const std::string& file, const std::string& contents) {
        dir.Write("usr/share/games/vornak/" + file, contents);
    }
    std::string Played(const std::string& file) const {
        return dir.Read("home/.local/share/vornak/" + file);
    }

    TempDir dir;
    const std::string installed = dir.path() + "/usr/share/games/vornak";
    const std::string player = dir.path() + "/home/.local/share/vornak";
};

// The first start copies what players edit (the settings and the fighters) and links the
// rest; the player's edits then survive later starts and new versions of the package,
// while what they left as shipped, or deleted, follows the new version.
TEST_F(GameFolderTest, FirstStartCopiesWhatPlayersEditAndLinksTheRestAndEditsSurvive) {
    for (const char* file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg",
                             "data/kestfont.txt", "images/vntiles.tga"}) {
        Ship(file, file);
    }
    GameFolder::Fill(installed, player);
    for (const char* file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg"}) {
        EXPECT_FALSE(fs::is_symlink(player + "/" + file)) << file;
        EXPECT_EQ(Played(file), file);
    }
    for (const char* file : {"data/kestfont.txt", "images/vntiles.tga"}) {
        EXPECT_EQ(fs::read_symlink(player + "/" + file), fs::path(installed) / file);
    }

    dir.Write("home/.local/share/vornak/NPCs/fighter1.cfg", "mine");
    fs::remove(player + "/NPCs/fighter2.cfg");
    fs::remove(player + "/images/vntiles.tga");
    dir.Write("home/.local/share/vornak/images/vntiles.tga", "my own tiles");
    // A link left dangling by an install elsewhere.
    fs::remove(player + "/data/kestfont.txt");
    fs::create_symlink("/nowhere/kestfont.txt", player + "/data/kestfont.txt");
    GameFolder::Fill(installed, player); // a second start
    EXPECT_EQ(Played("data/kestfont.txt"), "data/kestfont.txt");

    for (const char* file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg"}) {
        Ship(file, "new");
    }
    GameFolder::Fill(installed, player);
    GameFolder::Fill(installed, player);
    EXPECT_EQ(Played("NPCs/fighter1.cfg"), "mine");
    EXPECT_EQ(Played("images/vntiles.tga"), "my own tiles");
    EXPECT_EQ(Played("data/engine.cfg"), "new");
    EXPECT_EQ(Played("NPCs/fighter2.cfg"), "new");
}

TEST(GameFolder, ThePlayersFolderFollowsXdgDataHomeAndABuildTreeKeepsItsOwn) {
    // Nothing else in these tests reads the variable: it is left unset.
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(GameFolder::PlayerFolder(), "/data/home/vornak");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(GameFolder::PlayerFolder(),
              std::string(std::getenv("HOME")) + "/.local/share/vornak");
    unsetenv("XDG_DATA_HOME");

    // These tests run from the build tree: the game works in the working directory.
    EXPECT_EQ(GameFolder::InstalledData(), "");
    EXPECT_EQ(GameFolder::Default(), ".");
}

} // namespace
