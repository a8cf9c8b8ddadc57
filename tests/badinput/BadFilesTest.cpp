// The real program started on a copy of its working directory with one file broken at a
// time, one row for each way a broken file reaches the game and each message it ends in.
// Every broken file must end in its message and exit code 0, or leave a game that runs and
// closes cleanly; never a crash, a hang or a sanitizer report.
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace {

// The file of the copied game folder changed as TempDir::Edit changes it.
struct Row {
    std::string name, file, from, to;
    std::string error; // empty when the game must keep running
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

const char kBackground[] = "images/background.tga";
const char kSettings[] = "data/engine.cfg";
const char kFighter[] = "NPCs/fighter6.cfg";
const std::string kTgaCode = "\tUnsupported TGA format. Only ";

const Row kRows[] = {
    {"NoFighter", kFighter, TempDir::kGone, "", "Could not open NPCs\\fighter6.cfg"},
    // No description names no sheet, and the sheet's load is what fails.
    {"NoFontDescription", "data/kestfont.txt", TempDir::kGone, "", "Could not open "},
    {"NoLayout", "data/maininterface.txt", TempDir::kGone, "", ""},

    {"TgaCutInHeader", kBackground, "", TgaBytes::Blank(2, 32, 4, 4).substr(0, 11),
     "\tError reading file header\n"},
    {"TgaCutInPixels", kBackground, "", TgaBytes::Blank(2, 32, 64, 64).substr(0, 1018),
     "\tError reading image data\n"},
    {"TgaRunLengthEncoded", kBackground, "", TgaBytes::Blank(10, 24, 4, 4),
     kTgaCode + "uncompressed RGB & colour mapped images are currently supported\n"},
    {"Tga16Bit", kBackground, "", TgaBytes::Blank(2, 16, 4, 4),
     kTgaCode + "8, 24 & 32 bit images are supported\n"},
    {"TgaHuge", kBackground, "", TgaBytes::Blank(2, 32, 1, 1).replace(12, 4, "\xff\xff\xff\xff"),
     "\tNot enough memory to load image\n"},
    {"TgaColourMappedWithPalette", kBackground, "", TgaBytes::Blank(1, 8, 64, 64, 256), ""},
    {"TgaWiderThanAnyTexture", kBackground, "", TgaBytes::Blank(2, 32, 40000, 1), ""},
    {"TgaZeroSized", kBackground, "", TgaBytes::Blank(2, 32, 0, 0), ""},

    // Every side 0 lets SDL take the screen's, and a missing depth the screen's.
    {"SettingsEmpty", kSettings, "", "", ""},
    // X keeps 16 bits of a side; SDL's own words for a size it cannot make.
    {"SettingsHugeWidth", kSettings, "h_res = 640", "h_res = 99999999999999999999",
     "Invalid width or height"},
    {"SettingsOddDepth", kSettings, "bpp = 32", "bpp = 7",
     "Invalid bits per pixel (range is {8...32})"},
    // Without OpenGL nothing is drawn, but the battle runs and closes like any other.
    {"SettingsNoOpenGL", kSettings, "use_opengl = 1", "use_opengl = 0", ""},
    {"SettingsFullScreen", kSettings, "full_screen = 0", "full_screen = 1", ""},
    {"SettingsScale9", kSettings, "scale = 0", "scale = 9",
     "Bad scale 9 in Data\\engine.cfg (must be a whole number from 0 to 8)"},

    // Every key missing reads as 0 or empty.
    {"FighterEmpty", kFighter, "", "", ""},
    {"FighterFarAway", kFighter, "posx = 192", "posx = 99999999999999999999",
     "Bad position 1e+20 in NPCs\\fighter6.cfg (must be -1000 to 1000)"},
    {"FontDescriptionEndsEarly", "data/kestfont.txt", "", "images\\kestfont.tga\n5 6 7", ""},
    {"LayoutAbsurdNumbers", "data/maininterface.txt", "",
     "images\\interface.tga\n272 126\n"
     "5 1 -2147483648 2147483647 2147483647 -2147483648 2147483647 2147483647\n",
     ""},
    // Writing a file into it makes the folder.
    {"RunLogIsAFolder", "runlog.txt/.keep", "", "", ""},
};

class BadFile : public testing::TestWithParam<Row> {};

TEST_P(BadFile, EndsInItsMessageOrKeepsRunning) {
    const Row& row = GetParam();
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    std::filesystem::remove(dir.path() + "/runlog.txt"); // a run in the build may leave one
    dir.Edit(row.file, row.from, row.to);
    ASSERT_FALSE(HasFailure()) << "the row could not be set up";

    X11Session x11;
    GameProcess game(dir.path(), {},
                     std::vector<std::string>{row.error.empty() ? GameProcess::kNoLeakCheck
                                                                : GameProcess::kFullLeakStacks});
    if (row.error.empty()) {
        const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 30.0);
        ASSERT_NE(window, 0u) << "no window; the game said: " << game.StandardError();
        // Let the battle draw and step with the broken file before it is closed (a game
        // without OpenGL never shows the field).
        Eventually(5.0, [&] { return x11.Brightness(window, 8, 8, 32, 32) > 0.0; });
        EXPECT_FALSE(game.Wait(0.3)) << game.StandardError();
        x11.RequestClose(window);
    }
    ASSERT_TRUE(game.Wait(30.0)) << "the game did not end after its failure or its window closed";
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), row.error.empty() ? "" : row.error + "\n");
}

INSTANTIATE_TEST_SUITE_P(Rows, BadFile, testing::ValuesIn(kRows),
                         testing::PrintToStringParamName());

// Without settings, and with the error box, the player sees the message in a box and
// dismisses it; the program then ends with 0.
TEST(ErrorBox, ShowsTheMessageUntilDismissedThenExitsWithZero) {
    TempDir dir;
    X11Session x11;
    GameProcess game(dir.path(), {}, {"VORNAK_NO_ERROR_BOX=0"});
    const unsigned long box = x11.FindWindow("Vornak", game.Pid(), 30.0);
    ASSERT_NE(box, 0u) << "no box appeared";
    EXPECT_FALSE(game.Wait(0.5)) << "the program ended while its box was up";

    // The box goes at the key press, so xdotool's key release may find no window and
    // report it; what counts is that the program ends.
    x11.Key("Return", box);
    ASSERT_TRUE(game.Wait(30.0)) << "the box did not go away on Return";
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), "Could not open Data\\engine.cfg\n");
}

} // namespace
