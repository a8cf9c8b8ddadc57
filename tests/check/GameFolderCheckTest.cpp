#include "check/GameFolderCheck.h"
#include "check/CheckReport.h"
#include "engine/JsonText.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A change to one file of a copy of the shipped game folder (as TempDir::Edit makes it)
// and every finding the check must make of it, each "start of the line|a piece of its
// message".
struct Mistake {
    const char* file;
    std::string from, to;
    std::vector<std::string> findings;
};

using Tga = TgaBytes;

const char kFighter1[] = "NPCs/fighter1.cfg";
const char kFighter2[] = "NPCs/fighter2.cfg";
const Mistake kMistakes[] = {
    {kFighter1, "speed = 6", "speed=6", {":3: error:|key \"spee\" and the value \"\";"}},
    {kFighter1, "meleeskill = 8", "meleeskill =  8", {":5: error:|the value \" 8\";"}},
    {kFighter1, "health = 8", "helth = 8", {": error:|no \"health\"", ":4: warning:|\"health\"?"}},
    {kFighter1, "posy = 48", "posy = 48\nspeed = 9", {":9: warning:|from line 3"}},
    {kFighter1, "posy = 48", "posy = 48\n#\nhealth 9", {":10: warning:|no \"=\""}},
    {kFighter1, "posy = 48", "posy = 48\n= 5", {":9: error:|has no key before"}},
    {kFighter1, "health = 8", "health =", {":4: error:|has no value, so the game"}},
    {kFighter1, "name = Aldric", "name = 1", {":1: error:|reads the name as empty"}},
    {"NPCs/fighter3.cfg", "missileskill = 9", "missileskill = x", {":6: error:|is not a number"}},
    {kFighter1, "speed = 6", "speed = 13", {":3: error:|with \"Bad speed 13 in NPCs"}},
    {kFighter1, "posx = 40", "posx = 300", {":7: error:|is off the battlefield"}},
    {"NPCs/fighter3.cfg", "posy = 160", "posy = 48", {":7: error:|8.0 px from NPCs/fighter1"}},
    {"NPCs/fighter4.cfg", "speed = 7", "speed = 0.5", {":3: warning:|the fighter never acts"}},
    {"NPCs/fighter5.cfg", "team = 2", "team = 1", {":2: warning:|never attacks this one"}},
    {kFighter2, "team = 1", "team = 2", {":2: warning:|its own side attacks"}},
    {"NPCs/fighter6.cfg", "team = 2", "team = 3", {":2: warning:|draws only teams 1 and 2"}},
    {kFighter2, "name = Brenna", "name = Brénna", {":1: warning:|no glyph for"}},
    {"NPCs/fighter8.cfg", TempDir::kGone, "", {": error:|with \"Could not open NPCs"}},
    {"data/engine.cfg", "h_res = 640\n", "", {": error:|no \"h_res\" line"}},
    {"data/engine.cfg", "scale = 0", "scale = 9", {":6: error:|stops at start with \"Bad scale"}},
    {"data/maininterface.txt", "7 1 0 288 182 96 170 24", "", {": warning:|no button with id 7"}},
    {"data/kestfont.txt", "", "images\\kestfont.tga\n2 4 x", {":2: error:|description stops"}},
    {"images/vntiles.tga", "", Tga::Blank(2, 32, 16, 16), {": error:|the ground, fighters, bars"}},
    {"images/kestfont.tga", "", Tga::Blank(2, 32, 12, 100), {": error:|too small: the game draws"}},
    {"images/interface.tga", "", Tga::Blank(3, 32, 300, 300), {": error:|from it up to 340 x 432"}},
    {"images/background.tga", "", Tga::Blank(10, 32, 1, 1), {": error:|\"Unsupported TGA format."}},
    {"Sounds/sword_hit.wav", "", "not a sound", {": warning:|the sound layer cannot play it"}},
    {"Music/Ashen Tide.mp3", TempDir::kGone, "", {": warning:|the game goes on without music"}},
    {"saves/last.sav", "", "name = Aldric\n", {": error:|it is not a Vornak save"}},
    {"replays/a.vrp", "", "", {": error:|it is empty"}},
    {"options.cfg",
     "",
     "speed = 3\nmute = yes\nvolume = 5\n",
     {":1: error:|\"speed = 3\" is not 1, 2 or 4: the game uses 1",
      ":2: error:|\"mute = yes\" is not 0 or 1", ":3: warning:|unknown key \"volume\""}},
    {"battles/ridge/NPCs/fighter3.cfg", "speed = 5", "speed=5", {":3: error:|key \"spee\""}},
    {"battles/ridge/battle.cfg",
     "ground = grass",
     "ground = lava\ntitel = X",
     {":3: error:|\"Bad ground \"lava\" in battles/ridge", ":4: warning:|unknown key \"titel\""}},
    {"images/ground_snow.tga", "", Tga::Blank(2, 32, 16, 16), {": error:|the snow ground's cells"}},
    // What the game reads as intended is fine: Windows line ends, tabs it drops, settings
    // from before the window scale.
    {"NPCs/fighter7.cfg", "\n", "\r\n", {}},
    {"NPCs/fighter7.cfg", "speed = 6", "speed\t=\t6", {}},
    {"data/engine.cfg", "scale = 0", "", {}},
    {"options.cfg", "", "music_volume = 100\nsound_volume = 0\ndifficulty = hard\n", {}},
};

} // namespace

TEST(GameFolderCheck, EachMistakeIsNamedByFileLineAndSeverity) {
    for (const Mistake& mistake : kMistakes) {
        SCOPED_TRACE(std::string(mistake.file) + ": " + mistake.to);
        TempDir copy;
        copy.CopyFrom(VORNAK_GAME_DIR);
        copy.Edit(mistake.file, mistake.from, mistake.to);

        CheckReport report;
        GameFolderCheck::Run(report);
        std::istringstream text(report.Text());
        std::string line;
        bool anyError = false;
        for (const std::string& expected : mistake.findings) {
            const std::size_t bar = expected.find('|');
            ASSERT_TRUE(std::getline(text, line)) << "no finding " << expected;
            EXPECT_EQ(line.rfind(mistake.file + expected.substr(0, bar), 0), 0u) << line;
            EXPECT_NE(line.find(expected.substr(bar + 1)), std::string::npos) << line;
            anyError |= expected.find(" error:") < bar;
        }
        EXPECT_FALSE(std::getline(text, line)) << "a finding too many: " << line;
        EXPECT_EQ(report.ExitStatus(), anyError ? 1 : 0);
    }
}

TEST(GameFolderCheck, JsonCarriesEveryFindingWithNullForAWholeFile) {
    CheckReport report;
    report.Warning("NPCs/fighter1.cfg", 4, "unknown key \"helth\"");
    report.Error("data/engine.cfg", 0, "tab\there");
    EXPECT_EQ(report.Json(), "[\n  {\"path\": \"NPCs/fighter1.cfg\", \"line\": 4, \"severity\": "
                             "\"warning\", \"message\": \"unknown key \\\"helth\\\"\"},\n"
                             "  {\"path\": \"data/engine.cfg\", \"line\": null, \"severity\": "
                             "\"error\", \"message\": \"tab\\u0009here\"}\n]\n");
    EXPECT_EQ(report.Summary(), "checked 0 files: 1 error, 1 warning\n");
    EXPECT_EQ(CheckReport().Json(), "[]\n");
    // Bytes that are not UTF-8 cannot go into JSON as they are.
    EXPECT_EQ(JsonText::Quote("\xc3\xa9\xff\\"), "\"\xc3\xa9\\ufffd\\\\\"");
}
