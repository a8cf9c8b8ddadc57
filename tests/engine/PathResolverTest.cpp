#include "platform/PathResolver.h"
#include "platform/FileReader.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(PathResolver, TurnsBackslashesIntoSlashes) {
    TempDir dir;
    dir.Write("Data/engine.cfg", "x");
    EXPECT_EQ(PathResolver::Resolve("Data\\engine.cfg"), "Data/engine.cfg");
}

TEST(PathResolver, MatchesEachComponentIgnoringCase) {
    TempDir dir;
    dir.Write("data/kestfont.txt", "font");
    dir.Write("npcs/Fighter1.CFG", "f");
    dir.Write("Music/Ashen Tide.mp3", "m");
    EXPECT_EQ(PathResolver::Resolve("Data\\engine.cfg"), "data/engine.cfg"); // folder found
    EXPECT_EQ(PathResolver::Resolve("DATA\\KestFont.TXT"), "data/kestfont.txt");
    EXPECT_EQ(PathResolver::Resolve("NPCs\\fighter1.cfg"), "npcs/Fighter1.CFG");
    EXPECT_EQ(PathResolver::Resolve("music\\ashen tide.mp3"), "Music/Ashen Tide.mp3");
    std::string contents;
    ASSERT_TRUE(FileReader::ReadAll("NPCS\\FIGHTER1.cfg", contents));
    EXPECT_EQ(contents, "f");
}

TEST(PathResolver, PrefersTheExactNameAndChoosesStablyAmongCaseVariants) {
    TempDir dir;
    dir.Write("images/a.tga", "lower");
    dir.Write("images/A.tga", "upper");
    dir.Write("IMAGES/b.tga", "other folder");
    EXPECT_EQ(PathResolver::Resolve("images\\A.tga"), "images/A.tga");
    EXPECT_EQ(PathResolver::Resolve("images\\a.tga"), "images/a.tga");
    // Neither spelling exists as written: the first in byte order is taken.
    EXPECT_EQ(PathResolver::Resolve("Images\\b.tga"), "IMAGES/b.tga");
}

TEST(PathResolver, MissingFilesKeepTheirNameAndFailToOpen) {
    TempDir dir;
    dir.Write("data/engine.cfg", "x");
    EXPECT_EQ(PathResolver::Resolve("Data\\missing.cfg"), "data/missing.cfg");
    EXPECT_EQ(PathResolver::Resolve("Nowhere\\at\\all.tga"), "Nowhere/at/all.tga");
    std::string contents;
    EXPECT_FALSE(FileReader::ReadAll("Nowhere\\at\\all.tga", contents));
    EXPECT_FALSE(FileReader::ReadAll("data", contents)); // a folder is not a file
}

TEST(PathResolver, AFileCreatedAfterAFailedLookupIsFound) {
    TempDir dir;
    EXPECT_EQ(PathResolver::Resolve("Runlog.TXT"), "Runlog.TXT");
    dir.Write("runlog.txt", "");
    EXPECT_EQ(PathResolver::Resolve("Runlog.TXT"), "runlog.txt");
}
