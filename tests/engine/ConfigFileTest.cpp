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

// One character is dropped on each side of the first '=', whatever it is, and nothing
// else is trimmed: the file form is exactly "key = value".
TEST(ConfigFile, KeysAndValuesSitExactlyOneCharacterFromTheEquals) {
    const struct {
        const char* line;
        const char* key;
        int kind;
        float number;
        const char* text;
    } cases[] = {
        {"h_res = 800", "h_res", 1, 800.0f, ""},
        {"name = Bob the Bold", "name", 0, 0.0f, "Bob the Bold"},
        {"bpp=32", "bp", 1, 2.0f, ""},
        {"bpp  = 32", "bpp ", 1, 32.0f, ""},
        {"bpp =  32", "bpp", 0, 0.0f, " 32"},
        {"= 5", "= 5", 1, 5.0f, ""},           // '=' first: the whole line is the key
        {"x = ", "x", 1, 0.0f, ""},            // an empty value is the number 0
        {"x =", "x", 1, 0.0f, ""},             // no value position at all reads the same
        {"name = 123", "name", 1, 123.0f, ""}, // digits are a number: its text is empty
        {"a = 1.2.3", "a", 1, 1.2f, ""},       // atof's longest numeric prefix
        {"b = --", "b", 1, 0.0f, ""},
        {"c = 5-3", "c", 1, 5.0f, ""},
        {"e = -2.7", "e", 1, -2.7f, ""},
        {"f = +4", "f", 0, 0.0f, "+4"}, // only "0123456789-." make a number
        {"g = 1e3", "g", 0, 0.0f, "1e3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const SettingsTable table = Parse(c.line);
        ASSERT_EQ(table.size(), 1u);
        ASSERT_EQ(table.begin()->first, c.key);
        const Setting& setting = table.begin()->second;
        EXPECT_EQ(setting.kind, c.kind);
        if (c.kind == 1) {
            EXPECT_FLOAT_EQ(setting.number, c.number);
        }
        EXPECT_EQ(setting.text, c.text);
    }
}

TEST(ConfigFile, LinesFirstKeysAndLineEnds) {
    // Lines without '=' are skipped and the first of a repeated key wins.
    SettingsTable table = Parse("# fighters\n\nspeed = 3\nspeed = 9\nheading only\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_FLOAT_EQ(table.at("speed").number, 3.0f);

    // A carriage return before the line feed belongs to the line end; a lone one does not.
    table = Parse("h_res = 640\r\nname = Ash\r\ntitle = A\rB");
    EXPECT_EQ(table.at("h_res").kind, 1);
    EXPECT_EQ(table.at("name").text, "Ash");
    EXPECT_EQ(table.at("title").text, "A\rB");

    EXPECT_TRUE(Parse("").empty());
    std::string binary;
    for (int i = 0; i < 512; ++i) {
        binary += static_cast<char>((i * 37) & 0xff);
    }
    EXPECT_NO_THROW(Parse(binary));
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

    // An empty file empties the table and logs only the count.
    dir.Write("empty.cfg", "");
    ConfigFile::Load(table, "empty.cfg");
    EXPECT_TRUE(table.empty());
    EXPECT_NE(dir.Read("runlog.txt").find("    7: Size of map: 0\n"), std::string::npos);
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
