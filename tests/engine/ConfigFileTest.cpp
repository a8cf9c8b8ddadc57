#include "engine/ConfigFile.h"
#include "engine/GameError.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

// One character is dropped on each side of the first '=', whatever it is, and nothing
// else is trimmed. A value of "0123456789-." only is a number (atof's longest prefix).
TEST(ConfigFile, KeysAndValuesSitExactlyOneCharacterFromTheEquals) {
    // "[key] kind number 'text'" for each setting the line gives.
    const auto only = [](const std::string& line) {
        SettingsTable table;
        ConfigFile::Parse(table, line);
        std::ostringstream out;
        for (const auto& [key, setting] : table) {
            out << "[" << key << "] " << setting.kind << " " << setting.number << " '"
                << setting.text << "'";
        }
        return out.str();
    };
    for (auto [line, read] : {std::pair{"h_res = 800", "[h_res] 1 800 ''"},
                              {"name = Bob the Bold", "[name] 0 0 'Bob the Bold'"},
                              {"bpp=32", "[bp] 1 2 ''"},
                              {"bpp  = 32", "[bpp ] 1 32 ''"},
                              {"bpp =  32", "[bpp] 0 0 ' 32'"},
                              {"a = 1.2.3", "[a] 1 1.2 ''"},
                              {"e = -2.7", "[e] 1 -2.7 ''"},
                              {"f = +4", "[f] 0 0 '+4'"}}) {
        EXPECT_EQ(only(line), read);
    }
    // Lines without '=' are skipped, the first of a repeated key wins, and a carriage
    // return before the line feed belongs to the line end (a lone one does not).
    SettingsTable table;
    ConfigFile::Parse(table, "# note\nspeed = 3\nspeed = 9\nname = Ash\r\ntitle = A\rB");
    EXPECT_EQ(table.size(), 3u);
    EXPECT_FLOAT_EQ(table.at("speed").number, 3.0f);
    EXPECT_EQ(table.at("name").text, "Ash");
    EXPECT_EQ(table.at("title").text, "A\rB");
}

// Found whatever the case of its path; the run log lists the table sorted, each line
// stamped in five columns, after what earlier runs wrote. A missing file raises and leaves
// the table and the log alone.
TEST(ConfigFile, LoadListsTheTableInTheRunLog) {
    TempDir dir;
    ScopedClock clock(7);
    dir.Write("runlog.txt", "123456: earlier\n");
    dir.Write("data/engine.cfg", "v_res = 480\nh_res = 800.9\ntitle = The Ash\n");
    SettingsTable table;
    ConfigFile::Load(table, "Data\\engine.cfg");
    EXPECT_FLOAT_EQ(table.at("h_res").number, 800.9f);
    const std::string log = "123456: earlier\n    7: h_res = 800.9\n    7: title = The Ash\n"
                            "    7: v_res = 480\n    7: Size of map: 3\n";
    EXPECT_EQ(dir.Read("runlog.txt"), log);

    EXPECT_THROW(ConfigFile::Load(table, "Data\\missing.cfg"), GameError);
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(dir.Read("runlog.txt"), log);
}
