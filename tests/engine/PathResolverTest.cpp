#include "platform/PathResolver.h"
#include "platform/ErrorBox.h"
#include "platform/FileReader.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

// The game's backslashed names are found whatever the case of each component; the exact
// name wins, and of case variants the first in byte order. A missing file keeps the
// components found and fails to open; put there later, it is found.
TEST(PathResolver, FindsTheGamesNamesWhateverTheirCase) {
    TempDir dir;
    dir.Write("data/kestfont.txt", "font");
    dir.Write("npcs/Fighter1.CFG", "f");
    dir.Write("images/a.tga", "lower");
    dir.Write("images/A.tga", "upper");
    dir.Write("IMAGES/b.tga", "");
    dir.Write("Images/B.tga", "");
    const std::pair<const char*, const char*> cases[] = {
        {"data\\kestfont.txt", "data/kestfont.txt"}, {"DATA\\KestFont.TXT", "data/kestfont.txt"},
        {"NPCs\\fighter1.cfg", "npcs/Fighter1.CFG"}, {"images\\A.tga", "images/A.tga"},
        {"images\\a.tga", "images/a.tga"},           {"iMAGES\\b.tga", "IMAGES/b.tga"},
        {"Data\\missing.cfg", "data/missing.cfg"},   {"Nowhere\\at\\all.tga", "Nowhere/at/all.tga"},
    };
    for (const auto& [game, disk] : cases) {
        EXPECT_EQ(PathResolver::Resolve(game), disk) << game;
    }
    std::string contents;
    ASSERT_TRUE(FileReader::ReadAll("NPCS\\FIGHTER1.cfg", contents));
    EXPECT_EQ(contents, "f");
    EXPECT_FALSE(FileReader::ReadAll("Nowhere\\at\\all.tga", contents));
    EXPECT_FALSE(FileReader::ReadAll("data", contents)) << "a folder is not a file";

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
