#include "engine/ConfigFile.h"
#include "engine/GameError.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

SettingsTable Parse(const std::string& text) {
    SettingsTable table;
    ConfigFile::Parse(table, text);
    return table;
}

} // namespace

TEST(ConfigFile, ReadsTheWrittenFormExactly) {
    const SettingsTable table = Parse("h_res = 800\nname = Bob the Bold\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at("h_res").kind, 1);
    EXPECT_FLOAT_EQ(table.at("h_res").number, 800.0f);
    EXPECT_EQ(table.at("h_res").text, "");
    EXPECT_EQ(table.at("name").kind, 0);
    EXPECT_EQ(table.at("name").text, "Bob the Bold");
}

TEST(ConfigFile, DropsOneCharacterOnEachSideOfTheEquals) {
    // Whatever stands next to '=' is dropped unread, so a missing blank eats a letter.
    SettingsTable table = Parse("bpp=32\n");
    ASSERT_EQ(table.count("bp"), 1u);
    EXPECT_FLOAT_EQ(table["bp"].number, 2.0f);

    table = Parse("bpp  = 32\n");
    EXPECT_EQ(table.count("bpp"), 0u);
    EXPECT_FLOAT_EQ(table.at("bpp ").number, 32.0f);

    table = Parse("bpp =  32\n");
    EXPECT_EQ(table.at("bpp").kind, 0);
    EXPECT_EQ(table.at("bpp").text, " 32");
}

TEST(ConfigFile, EqualsFirstOrLastOnTheLine) {
    SettingsTable table = Parse("= 5\n");
    ASSERT_EQ(table.count("= 5"), 1u);
    EXPECT_EQ(table["= 5"].kind, 1);
    EXPECT_FLOAT_EQ(table["= 5"].number, 5.0f);

    // No value position at all: read as an empty value, which is the number 0.
    table = Parse("x =\nlast=");
    EXPECT_EQ(table.at("x").kind, 1);
    EXPECT_FLOAT_EQ(table.at("x").number, 0.0f);
    EXPECT_EQ(table.at("las").kind, 1);

    table = Parse("x = \n");
    EXPECT_EQ(table.at("x").kind, 1);
    EXPECT_FLOAT_EQ(table.at("x").number, 0.0f);
}

TEST(ConfigFile, NumbersAreOnlyTheTwelveCharacters) {
    const SettingsTable table =
        Parse("a = 1.2.3\nb = --\nc = 5-3\nd = .\ne = -2.7\nf = +4\ng = 1e3\nname = 123\n");
    EXPECT_FLOAT_EQ(table.at("a").number, 1.2f);
    EXPECT_FLOAT_EQ(table.at("b").number, 0.0f);
    EXPECT_FLOAT_EQ(table.at("c").number, 5.0f);
    EXPECT_FLOAT_EQ(table.at("d").number, 0.0f);
    EXPECT_FLOAT_EQ(table.at("e").number, -2.7f);
    EXPECT_EQ(table.at("f").kind, 0);
    EXPECT_EQ(table.at("g").kind, 0);
    // A name made of digits is a number, so whoever reads its text gets nothing.
    EXPECT_EQ(table.at("name").kind, 1);
    EXPECT_EQ(table.at("name").text, "");
}

TEST(ConfigFile, FirstKeyWinsAndLinesWithoutEqualsAreSkipped) {
    const SettingsTable table = Parse("# fighters\n\nspeed = 3\nspeed = 9\nheading only\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_FLOAT_EQ(table.at("speed").number, 3.0f);
}

TEST(ConfigFile, WindowsLineEndsReadLikeUnixOnes) {
    const SettingsTable crlf = Parse("h_res = 640\r\nname = Ash\r\n");
    EXPECT_EQ(crlf.at("h_res").kind, 1);
    EXPECT_FLOAT_EQ(crlf.at("h_res").number, 640.0f);
    EXPECT_EQ(crlf.at("name").text, "Ash");
    // A lone carriage return inside a line is part of the value.
    EXPECT_EQ(Parse("name = A\rB\n").at("name").text, "A\rB");
}

TEST(ConfigFile, EmptyAndBinaryFilesDoNotFail) {
    EXPECT_TRUE(Parse("").empty());
    std::string binary;
    for (int i = 0; i < 512; ++i) {
        binary += static_cast<char>((i * 37) & 0xff);
    }
    SettingsTable table;
    EXPECT_NO_THROW(ConfigFile::Parse(table, binary));
}

TEST(ConfigFile, MissingKeysReadAsZeroAndEmpty) {
    SettingsTable table = Parse("h_res = 640\n");
    EXPECT_EQ(table["v_res"].kind, 0);
    EXPECT_FLOAT_EQ(table["v_res"].number, 0.0f);
    EXPECT_EQ(table["v_res"].text, "");
    EXPECT_EQ(table.size(), 2u);
}

TEST(ConfigFile, LoadFindsFilesWhateverTheirCaseAndLogsSortedListing) {
    TempDir dir;
    ScopedClock clock(7);
    dir.Write("data/engine.cfg", "v_res = 480\nh_res = 800.9\nbpp = 32\ntitle = The Ash\n");
    SettingsTable table;
    ConfigFile::Load(table, "Data\\engine.cfg");
    EXPECT_FLOAT_EQ(table.at("h_res").number, 800.9f);
    EXPECT_EQ(dir.Read("runlog.txt"), "    7: bpp = 32\n"
                                      "    7: h_res = 800.9\n"
                                      "    7: title = The Ash\n"
                                      "    7: v_res = 480\n"
                                      "    7: Size of map: 4\n");
}

TEST(ConfigFile, LoadOfAMissingFileRaisesAndLeavesTheTableAlone) {
    TempDir dir;
    SettingsTable table;
    table["keep"].number = 1.0f;
    try {
        ConfigFile::Load(table, "Data\\engine.cfg");
        FAIL() << "no error raised";
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "Could not open Data\\engine.cfg");
    }
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(dir.Read("runlog.txt"), "");
}

TEST(ConfigFile, LoadOfAnEmptyFileLogsOnlyTheCount) {
    TempDir dir;
    ScopedClock clock(120);
    dir.Write("empty.cfg", "");
    SettingsTable table;
    table["old"].number = 3.0f;
    ConfigFile::Load(table, "empty.cfg");
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(dir.Read("runlog.txt"), "  120: Size of map: 0\n");
}
