#include "platform/AtomicFile.h"
#include "platform/ErrorBox.h"
#include "platform/FileReader.h"
#include "platform/GameFolder.h"
#include "platform/NewestQuestionThread.h"
#include "platform/PathResolver.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

// The game's backslashed names are found whatever the case of each component; the exact
// name wins, and of case variants the first in byte order. A missing file keeps the
// components found; put there later, it is found. A folder does not open as a file.
TEST(PathResolver, FindsTheGamesNamesWhateverTheirCase) {
    TempDir dir;
    dir.Write("npcs/Fighter1.CFG", "f");
    dir.Write("images/a.tga", "lower");
    dir.Write("images/A.tga", "upper");
    dir.Write("IMAGES/b.tga", "");
    dir.Write("Images/B.tga", "");
    const std::pair<const char*, const char*> cases[] = {
        {"NPCs\\fighter1.cfg", "npcs/Fighter1.CFG"}, {"images\\A.tga", "images/A.tga"},
        {"images\\a.tga", "images/a.tga"},           {"iMAGES\\b.tga", "IMAGES/b.tga"},
        {"NPCS\\missing.cfg", "npcs/missing.cfg"},   {"Nowhere\\at\\all.tga", "Nowhere/at/all.tga"},
    };
    for (const auto& [game, disk] : cases) {
        EXPECT_EQ(PathResolver::Resolve(game), disk) << game;
    }
    std::string contents;
    ASSERT_TRUE(FileReader::ReadAll("NPCS\\FIGHTER1.cfg", contents));
    EXPECT_EQ(contents, "f");
    EXPECT_FALSE(FileReader::ReadAll("images", contents)) << "a folder is not a file";

    // A name that leads nowhere, such as a dangling link, is not remembered.
    ASSERT_EQ(symlink("/nowhere", "images/Gone.tga"), 0);
    EXPECT_EQ(PathResolver::Resolve("images\\gone.tga"), "images/Gone.tga");
    std::remove("images/Gone.tga");
    dir.Write("images/gone.tga", "mine");
    EXPECT_EQ(PathResolver::Resolve("images\\gone.tga"), "images/gone.tga");
}

// Standard error gets the text too; the box's caption is the game's name.
TEST(ErrorBox, NamesTheGameInItsCaption) {
    std::string shown;
    ErrorBox::SetHandler([&](const std::string& caption, const std::string& text) {
        shown = caption + ": " + text;
    });
    ErrorBox::Show("Could not open Data\\engine.cfg");
    ErrorBox::SetHandler({});
    EXPECT_EQ(shown, "Vornak: Could not open Data\\engine.cfg");
}

// The player's own folder of an installed game: the first start copies what players edit
// (the settings and the fighters) and links the rest; the player's edits then survive later
// starts and new versions of the package, while what they left as shipped, or deleted,
// follows the new version.
TEST(GameFolder, FirstStartCopiesWhatPlayersEditAndLinksTheRestAndEditsSurvive) {
    TempDir dir; // the working directory; the player's folder is "home" in it
    const std::string shipped = "usr/share/games/vornak/";
    const auto start = [&] { GameFolder::Fill(dir.path() + "/" + shipped, "home"); };
    for (const std::string file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg",
                                   "data/kestfont.txt", "images/vntiles.tga"}) {
        dir.Write(shipped + file, file);
    }
    start();
    for (const std::string file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg"}) {
        EXPECT_FALSE(fs::is_symlink("home/" + file)) << file;
        EXPECT_EQ(dir.Read("home/" + file), file);
    }
    for (const std::string file : {"data/kestfont.txt", "images/vntiles.tga"}) {
        EXPECT_EQ(fs::read_symlink("home/" + file), fs::path(dir.path()) / shipped / file);
    }

    dir.Write("home/NPCs/fighter1.cfg", "mine");
    fs::remove("home/NPCs/fighter2.cfg");
    fs::remove("home/images/vntiles.tga");
    dir.Write("home/images/vntiles.tga", "my own tiles");
    // A link left dangling by an install elsewhere.
    fs::remove("home/data/kestfont.txt");
    fs::create_symlink("/nowhere/kestfont.txt", "home/data/kestfont.txt");
    start(); // a second start
    EXPECT_EQ(dir.Read("home/data/kestfont.txt"), "data/kestfont.txt");

    for (const std::string file : {"data/engine.cfg", "NPCs/fighter1.cfg", "NPCs/fighter2.cfg"}) {
        dir.Write(shipped + file, "new");
    }
    start();
    start();
    EXPECT_EQ(dir.Read("home/NPCs/fighter1.cfg"), "mine");
    EXPECT_EQ(dir.Read("home/images/vntiles.tga"), "my own tiles");
    EXPECT_EQ(dir.Read("home/data/engine.cfg"), "new");
    EXPECT_EQ(dir.Read("home/NPCs/fighter2.cfg"), "new");
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

// A player's file is the old one or the new one after any crash, never half of each.
TEST(AtomicFile, ReplacesWholeOrNotAtAll) {
    TempDir dir;
    ASSERT_TRUE(AtomicFile::Write("saves/last.sav", "first")) << "its folder is made";
    EXPECT_EQ(dir.Read("saves/last.sav"), "first");

    AtomicFile::StopAfterForTesting(3); // killed three bytes into the second write
    EXPECT_FALSE(AtomicFile::Write("saves/last.sav", "second"));
    EXPECT_EQ(dir.Read("saves/last.sav"), "first");
    EXPECT_EQ(dir.Read(AtomicFile::TemporaryFor("saves/last.sav")), "sec");

    ASSERT_TRUE(AtomicFile::Write("saves/last.sav", "third")) << "over the torn temporary";
    EXPECT_EQ(dir.Read("saves/last.sav"), "third");
    EXPECT_FALSE(fs::exists(AtomicFile::TemporaryFor("saves/last.sav")));
}

// An answer still being worked out when Forget comes is dropped when it comes; the next
// question's answer is kept.
TEST(NewestQuestionThread, ForgetDropsTheAnswersOfQuestionsAskedBefore) {
    std::atomic<int> started{0};
    std::atomic<bool> go[3] = {};
    const auto until = [](auto done) {
        while (!done()) {
            std::this_thread::yield();
        }
    };
    NewestQuestionThread<int, int> thread("asked", [&](const int& question) {
        ++started;
        until([&] { return go[question].load(); });
        return question * 10;
    });
    thread.Ask(1);
    until([&] { return started == 1; });
    thread.Forget();
    const uint64_t second = thread.Ask(2);
    go[1] = true;
    until([&] { return started == 2; }); // the first answer has come and gone
    EXPECT_FALSE(thread.Latest());
    go[2] = true;
    until([&] { return thread.Latest().has_value(); });
    EXPECT_EQ(thread.Latest(), std::make_pair(20, second));
}
