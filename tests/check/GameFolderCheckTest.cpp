#include "check/GameFolderCheck.h"
#include "battle/Fighter.h"
#include "check/CheckReport.h"
#include "engine/JsonText.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A change to one file of a copy of the shipped game folder, and every finding the check
// must make of it: the start "path:line: severity:" and a piece of the message.
struct Mistake {
    const char* what;
    const char* file;
    std::string from; // replaced by `to`; empty: the whole file becomes `to`
    std::string to;
    std::vector<std::pair<std::string, std::string>> findings;
    bool remove = false; // the file is taken away instead
};

// A 32-bit picture of the given TGA type and size, all transparent.
std::string Picture(uint8_t type, uint16_t width, uint16_t height) {
    TgaBytes tga;
    tga.type = type;
    tga.depth = 32;
    tga.width = width;
    tga.height = height;
    tga.pixels.resize(width * height * 4u);
    return tga.Build();
}

std::string Refusal(const Fighter::Limit& limit, float value, const char* path) {
    return Fighter::Refusal(limit, value, path);
}

const Mistake kMistakes[] = {
    {"no blanks around =",
     "NPCs/fighter1.cfg",
     "speed = 6",
     "speed=6",
     {{"NPCs/fighter1.cfg:3: error:",
       "reads the key \"spee\" and the value \"\"; write \"speed = 6\""}}},
    {"a blank too many",
     "NPCs/fighter1.cfg",
     "meleeskill = 8",
     "meleeskill =  8",
     {{"NPCs/fighter1.cfg:5: error:", "the value \" 8\"; write \"meleeskill = 8\""}}},
    {"misspelt key",
     "NPCs/fighter1.cfg",
     "health = 8",
     "helth = 8",
     {{"NPCs/fighter1.cfg: error:", "no \"health\" line: the game reads health as 0"},
      {"NPCs/fighter1.cfg:4: warning:",
       "unknown key \"helth\": the game ignores it (did you mean \"health\"?)"}}},
    {"repeated key",
     "NPCs/fighter1.cfg",
     "posy = 48",
     "posy = 48\nspeed = 9",
     {{"NPCs/fighter1.cfg:9: warning:", "keeps the first value, from line 3"}}},
    {"a line without =",
     "NPCs/fighter1.cfg",
     "posy = 48",
     "posy = 48\n# notes\nhealth 9",
     {{"NPCs/fighter1.cfg:10: warning:", "\"health 9\" has no \"=\", so the game skips the line"}}},
    {"number for a word",
     "NPCs/fighter1.cfg",
     "name = Aldric",
     "name = 123",
     {{"NPCs/fighter1.cfg:1: error:",
       "is a number to the game, which then reads the name as empty"}}},
    {"word for a number",
     "NPCs/fighter3.cfg",
     "missileskill = 9",
     "missileskill = nine",
     {{"NPCs/fighter3.cfg:6: error:",
       "\"missileskill = nine\" is not a number, so the game reads missileskill as 0"}}},
    {"refused speed",
     "NPCs/fighter1.cfg",
     "speed = 6",
     "speed = 13",
     {{"NPCs/fighter1.cfg:3: error:", Refusal(Fighter::kSpeedLimit, 13, "NPCs\\fighter1.cfg")}}},
    {"refused position",
     "NPCs/fighter2.cfg",
     "posy = 104",
     "posy = -2000",
     {{"NPCs/fighter2.cfg:8: error:", Refusal(Fighter::kPosYLimit, -2000, "NPCs\\fighter2.cfg")}}},
    {"off the battlefield",
     "NPCs/fighter1.cfg",
     "posx = 40",
     "posx = 300",
     {{"NPCs/fighter1.cfg:7: error:", "\"posx = 300\" is off the battlefield"}}},
    {"too close to step",
     "NPCs/fighter2.cfg",
     "posx = 56\nposy = 104",
     "posx = 44\nposy = 52",
     {{"NPCs/fighter2.cfg:7: error:", "starts 5.7 px from NPCs/fighter1.cfg, closer than 12"}}},
    {"never acts",
     "NPCs/fighter4.cfg",
     "speed = 7",
     "speed = 0.5",
     {{"NPCs/fighter4.cfg:3: warning:", "\"speed = 0.5\": the fighter never acts"}}},
    {"a player's fighter the computer ignores",
     "NPCs/fighter5.cfg",
     "team = 2",
     "team = 1",
     {{"NPCs/fighter5.cfg:2: warning:", "never attacks this one of team 1"}}},
    {"a team that is not drawn",
     "NPCs/fighter6.cfg",
     "team = 2",
     "team = 3",
     {{"NPCs/fighter6.cfg:2: warning:", "draws only teams 1 and 2"}}},
    {"a name the font cannot draw",
     "NPCs/fighter2.cfg",
     "name = Brenna",
     "name = Brénna",
     {{"NPCs/fighter2.cfg:1: warning:", "no glyph for \"\\xc3\\xa9\""}}},
    {"a missing fighter",
     "NPCs/fighter8.cfg",
     "",
     "",
     {{"NPCs/fighter8.cfg: error:",
       "the game stops at start with \"Could not open NPCs\\fighter8.cfg\""}},
     true},
    {"window size missing",
     "data/engine.cfg",
     "h_res = 640\n",
     "",
     {{"data/engine.cfg: error:", "no \"h_res\" line: the game reads h_res as 0"}}},
    {"scale out of range",
     "data/engine.cfg",
     "scale = 0",
     "scale = 9",
     {{"data/engine.cfg:6: error:",
       "\"scale = 9\": the game refuses it and stops at start with \"Bad scale 9 in "
       "Data\\engine.cfg (must be a whole number from 0 to 8)\""}}},
    {"no Quit button",
     "data/maininterface.txt",
     "7 1 0 288 182 96 170 24",
     "",
     {{"data/maininterface.txt: warning:", "no button with id 7"}}},
    {"font description cut short",
     "data/kestfont.txt",
     "",
     "images\\kestfont.tga\n2 4 x",
     {{"data/kestfont.txt:2: error:", "the description stops here"}}},
    {"tile sheet too small",
     "images/vntiles.tga",
     "",
     Picture(2, 16, 16),
     {{"images/vntiles.tga: error:",
       "16 x 16 pixels is too small: the game draws the ground, fighters, bars, rings, marker and "
       "icons from it up to 256 x 256"}}},
    {"background not a TGA the game reads",
     "images/background.tga",
     "",
     Picture(10, 1, 1),
     {{"images/background.tga: error:", "the game stops at start with \"Unsupported TGA format."}}},
    {"a sound the sound layer cannot decode",
     "Sounds/sword_hit.wav",
     "",
     "not a sound",
     {{"Sounds/sword_hit.wav: warning:",
       "the sound layer cannot play it (The sound file is not in a format that can be played.)"}}},
    {"no music",
     "Music/Ashen Tide.mp3",
     "",
     "",
     {{"Music/Ashen Tide.mp3: warning:", "could not be found.): the game goes on without music"}},
     true},
    {"an empty value",
     "NPCs/fighter1.cfg",
     "health = 8",
     "health =",
     {{"NPCs/fighter1.cfg:4: error:",
       "\"health = \" has no value, so the game reads health as 0"}}},
    {"no key",
     "NPCs/fighter1.cfg",
     "posy = 48",
     "posy = 48\n= 5",
     {{"NPCs/fighter1.cfg:9: error:", "\"= 5\" has no key before \"=\""}}},
    {"a computer fighter the computer attacks",
     "NPCs/fighter2.cfg",
     "team = 1",
     "team = 2",
     {{"NPCs/fighter2.cfg:2: warning:", "so its own side attacks this one"}}},
    {"font sheet too small",
     "images/kestfont.tga",
     "",
     Picture(2, 12, 100),
     {{"images/kestfont.tga: error:", "12 x 100 pixels is too small: the game draws the glyphs"}}},
    {"button sheet too small",
     "images/interface.tga",
     "",
     Picture(3, 300, 300),
     {{"images/interface.tga: error:",
       "300 x 300 pixels is too small: the game draws the buttons' four pictures each that "
       "data/maininterface.txt places from it up to 340 x 384"}}},
    {"Windows line ends are fine", "NPCs/fighter7.cfg", "\n", "\r\n", {}},
    {"tabs the game drops are fine", "NPCs/fighter7.cfg", "speed = 6", "speed\t=\t6", {}},
};

} // namespace

class GameFolderCheckTest : public ::testing::Test {
protected:
    std::vector<std::string> Check() {
        CheckReport report;
        GameFolderCheck::Run(report);
        files = report.FilesRead();
        status = report.ExitStatus();
        return Lines(report.Text());
    }

    TempDir dir;
    int32_t files = 0;
    int status = -1;
};

TEST_F(GameFolderCheckTest, TheShippedDataIsCleanAndEveryFileIsRead) {
    dir.CopyFrom(VORNAK_GAME_DIR);
    EXPECT_EQ(Check(), std::vector<std::string>{});
    EXPECT_EQ(files, 8 + 1 + 2 + 2 + 2 + 4); // fighters, settings, font and layout with sheets,
                                             // pictures, sounds and music
    EXPECT_EQ(status, 0);
}

TEST_F(GameFolderCheckTest, EachMistakeIsNamedByFileLineAndSeverity) {
    for (const Mistake& mistake : kMistakes) {
        SCOPED_TRACE(mistake.what);
        TempDir copy;
        copy.CopyFrom(VORNAK_GAME_DIR);
        const auto& expected = mistake.findings;
        if (mistake.remove) {
            std::remove(mistake.file);
        } else if (mistake.from.empty()) {
            copy.Write(mistake.file, mistake.to);
        } else {
            std::string text = copy.Read(mistake.file);
            for (std::size_t at = 0; (at = text.find(mistake.from, at)) != std::string::npos;
                 at += mistake.to.size()) {
                text.replace(at, mistake.from.size(), mistake.to);
            }
            copy.Write(mistake.file, text);
        }

        const std::vector<std::string> found = Check();
        ASSERT_EQ(found.size(), expected.size()) << ::testing::PrintToString(found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].rfind(expected[i].first, 0), 0u) << found[i];
            EXPECT_NE(found[i].find(expected[i].second), std::string::npos) << found[i];
        }
        const bool anyError = std::any_of(expected.begin(), expected.end(), [](const auto& e) {
            return e.first.find(" error:") != std::string::npos;
        });
        EXPECT_EQ(status, anyError ? 1 : 0);
    }
}

TEST_F(GameFolderCheckTest, JsonCarriesEveryFindingWithNullForAWholeFile) {
    CheckReport report;
    report.Warning("NPCs/fighter1.cfg", 4, "unknown key \"helth\"");
    report.Error("data/engine.cfg", 0, "tab\there");
    EXPECT_EQ(report.Json(),
              "[\n  {\"path\": \"NPCs/fighter1.cfg\", \"line\": 4, \"severity\": \"warning\", "
              "\"message\": \"unknown key \\\"helth\\\"\"},\n"
              "  {\"path\": \"data/engine.cfg\", \"line\": null, \"severity\": \"error\", "
              "\"message\": \"tab\\u0009here\"}\n]\n");
    EXPECT_EQ(report.Summary(), "checked 0 files: 1 error, 1 warning\n");
    EXPECT_EQ(CheckReport().Json(), "[]\n");
    // Bytes that are not UTF-8 cannot go into JSON as they are.
    EXPECT_EQ(JsonText::Quote("\xc3\xa9\xff\\"), "\"\xc3\xa9\\ufffd\\\\\"");
}
