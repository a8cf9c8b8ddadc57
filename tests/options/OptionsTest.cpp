#include "options/Options.h"

#include "engine/ConfigFile.h"
#include "options/OptionsFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

// No file means the defaults. Every key away from its default is taken as written (a line
// the reader cannot see, "speed=2", changes nothing), and what the game saves is what the
// next start reads; the screen mode is written only once the player picked one.
TEST(OptionsFile, ASavedFileIsWhatTheNextStartReads) {
    TempDir dir;
    EXPECT_EQ(OptionsFile::Load(), Options{});
    dir.Write("options.cfg", "music_volume = 0\nsound_volume = 70\nmute = 1\nspeed = 4\r\n"
                             "full_screen = 0\ndifficulty = hard\nspeed=2\n");
    Options options = OptionsFile::Load();
    EXPECT_EQ(options.Text(), "music_volume = 0\nsound_volume = 70\nmute = 1\nspeed = 4\n"
                              "full_screen = 0\ndifficulty = hard\n");
    options.mute = 0;
    ASSERT_TRUE(OptionsFile::Save(options));
    EXPECT_EQ(OptionsFile::Load(), options);
    EXPECT_EQ(Options{}.Text().find("full_screen"), std::string::npos);
}

// A value out of its range keeps the default and is named, so the game still starts.
TEST(OptionsFile, ABadValueKeepsTheDefaultAndIsNamed) {
    const std::pair<const char*, const char*> rows[] = {
        {"music_volume = 101", "is not a whole number from 0 to 100: the game uses 100"},
        {"sound_volume = 50.5", "is not a whole number from 0 to 100: the game uses 100"},
        {"mute = yes", "is not 0 or 1: the game uses 0"},
        {"speed = 3", "is not 1, 2 or 4: the game uses 1"},
        {"full_screen = 2", "is not 0 or 1: the game uses the settings file's"},
        {"difficulty = easy", "is not normal or hard: the game plays normal"},
    };
    for (const auto& [line, reason] : rows) {
        SettingsTable table;
        ConfigFile::Parse(table, line);
        std::vector<OptionProblem> problems;
        EXPECT_EQ(Options::Read(table, &problems), Options{}) << line;
        ASSERT_EQ(problems.size(), 1u) << line;
        EXPECT_EQ(problems[0].key + " = " + problems[0].reason,
                  std::string(line).substr(0, problems[0].key.size() + 3) + reason);
    }
}
