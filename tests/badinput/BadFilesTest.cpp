// The real program started on a copy of its working directory with one file broken at a
// time, one row for each way a broken file reaches the game and each message it ends in.
// Every broken file must end in its message and exit code 0, or leave a game that runs and
// closes cleanly; never a crash, a hang or a sanitizer report.
#include "platform/PathResolver.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>

namespace {

namespace fs = std::filesystem;

// The file the game would open for one of its own paths, in the copied game folder.
std::string OnDisk(const std::string& gamePath) {
    PathResolver::ClearCache();
    const std::string path = PathResolver::Resolve(gamePath);
    EXPECT_TRUE(fs::is_regular_file(path)) << gamePath << " is not there to break";
    return path;
}

std::string Read(const std::string& gamePath) {
    std::ifstream in(OnDisk(gamePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string& gamePath, const std::string& bytes) {
    std::ofstream(OnDisk(gamePath), std::ios::binary) << bytes;
}

using Breakage = std::function<void()>;

Breakage Missing(const std::string& gamePath) {
    return [gamePath] { fs::remove(OnDisk(gamePath)); };
}
Breakage Contents(const std::string& gamePath, const std::string& bytes) {
    return [gamePath, bytes] { Write(gamePath, bytes); };
}
// The first `count` bytes of the file.
Breakage Cut(const std::string& gamePath, std::size_t count) {
    return [gamePath, count] { Write(gamePath, Read(gamePath).substr(0, count)); };
}
// The first line starting "key " replaced by `line`.
Breakage Line(const std::string& gamePath, const std::string& key, const std::string& line) {
    return [=] {
        std::string text = "\n" + Read(gamePath);
        const std::size_t at = text.find("\n" + key + " ") + 1;
        ASSERT_NE(at, 0u) << gamePath << " has no line for " << key;
        text.replace(at, text.find('\n', at) - at, line);
        Write(gamePath, text.substr(1));
    };
}

std::string Picture(uint8_t type, uint8_t depth, uint16_t width, uint16_t height) {
    TgaBytes tga{type, depth, width, height, "", 0, 0, {}};
    tga.pixels.assign(std::size_t{width} * height * (type == 2 ? depth / 8u : 1u), 0x40);
    return tga.Build();
}

struct Row {
    std::string name;
    Breakage breakIt;
    std::string error; // empty when the game must keep running
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

const char kBackground[] = "images\\background.tga";
const char kSettings[] = "Data\\engine.cfg";
const char kFighter[] = "NPCs\\fighter6.cfg";

std::vector<Row> Rows() {
    TgaBytes palette{1, 8, 64, 64, "a palette nobody applies", 256, 24, {}};
    palette.pixels.assign(64 * 64, 1);
    const std::string tgaCode = "\tUnsupported TGA format. Only ";
    return {
        {"NoFighter", Missing(kFighter), "Could not open NPCs\\fighter6.cfg"},
        {"NoTiles", Missing("images\\vntiles.tga"), "Could not open images\\vntiles.tga"},
        // No description names no sheet, and the sheet's load is what fails.
        {"NoFontDescription", Missing("data\\kestfont.txt"), "Could not open "},
        {"NoLayout", Missing("data\\maininterface.txt"), ""},
        {"NoMusic", Missing("Music\\Ashen Tide.mp3"), ""},

        {"TgaCutInHeader", Cut(kBackground, 11), "\tError reading file header\n"},
        {"TgaCutInPixels", Cut(kBackground, 18 + 1000), "\tError reading image data\n"},
        {"TgaRunLengthEncoded", Contents(kBackground, Picture(10, 24, 4, 4)),
         tgaCode + "uncompressed RGB & colour mapped images are currently supported\n"},
        {"Tga16Bit", Contents(kBackground, Picture(2, 16, 4, 4)),
         tgaCode + "8, 24 & 32 bit images are supported\n"},
        {"TgaHuge", Contents(kBackground, Picture(2, 32, 1, 1).replace(12, 4, "\xff\xff\xff\xff")),
         "\tNot enough memory to load image\n"},
        {"TgaColourMappedWithPalette", Contents(kBackground, palette.Build()), ""},
        {"TgaGreyscale", Contents(kBackground, Picture(3, 8, 64, 64)), ""},
        {"TgaWiderThanAnyTexture", Contents(kBackground, Picture(2, 32, 40000, 1)), ""},
        {"TgaZeroSized", Contents(kBackground, Picture(2, 32, 0, 0)), ""},

        // The key read is "bp": a missing depth lets SDL use the screen's; so do sides of 0.
        {"SettingsBppWithoutBlanks", Line(kSettings, "bpp", "bpp=32"), ""},
        {"SettingsEmpty", Contents(kSettings, ""), ""},
        // X keeps 16 bits of a side; SDL's own words for a size it cannot make.
        {"SettingsHugeWidth", Line(kSettings, "h_res", "h_res = 99999999999999999999"),
         "Invalid width or height"},
        {"SettingsOddDepth", Line(kSettings, "bpp", "bpp = 7"),
         "Invalid bits per pixel (range is {8...32})"},
        {"SettingsHugeDepth", Line(kSettings, "bpp", "bpp = 1e30"), ""},
        // Without OpenGL nothing is drawn, but the battle runs and closes like any other.
        {"SettingsNoOpenGL", Line(kSettings, "use_opengl", "use_opengl = 0"), ""},
        {"SettingsFullScreen", Line(kSettings, "full_screen", "full_screen = 1"), ""},
        {"SettingsScale9", Line(kSettings, "scale", "scale = 9"),
         "Bad scale 9 in Data\\engine.cfg (must be a whole number from 0 to 8)"},

        // Every key missing reads as 0 or empty.
        {"FighterEmpty", Contents(kFighter, ""), ""},
        {"FighterSpeed13", Line(kFighter, "speed", "speed = 13"),
         "Bad speed 13 in NPCs\\fighter6.cfg (must be 0 to 12)"},
        {"FighterFarAway", Line(kFighter, "posx", "posx = 99999999999999999999"),
         "Bad position 1e+20 in NPCs\\fighter6.cfg (must be -1000 to 1000)"},
        {"FontDescriptionEndsEarly", Cut("data\\kestfont.txt", 60), ""},
        {"LayoutAbsurdNumbers",
         [] {
             Write(
                 "data\\maininterface.txt",
                 Read("data\\maininterface.txt") +
                     "\n5 1 -2147483648 2147483647 2147483647 -2147483648 2147483647 2147483647\n");
         },
         ""},
        {"RunLogIsAFolder",
         [] {
             fs::remove("runlog.txt");
             fs::create_directory("runlog.txt");
         },
         ""},
    };
}

class BadFile : public testing::TestWithParam<Row> {};

TEST_P(BadFile, EndsInItsMessageOrKeepsRunning) {
    const Row& row = GetParam();
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    row.breakIt();
    ASSERT_FALSE(HasFailure()) << "the row could not be set up";

    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    GameProcess game(dir.path(),
                     row.error.empty() ? GameProcess::QuietDrawing() : GameProcess::Quiet());
    if (!row.error.empty()) {
        ASSERT_TRUE(game.Wait(30.0)) << "still running after a failure";
        EXPECT_EQ(game.ExitCode(), 0);
        EXPECT_EQ(game.StandardError(), row.error + "\n");
        return;
    }

    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 30.0);
    ASSERT_NE(window, 0u) << "no window; the game said: " << game.StandardError();
    // Let the battle draw and step with the broken file before it is closed (a game
    // without OpenGL never shows the field).
    x11.WaitForBattlefield(window, 5.0);
    EXPECT_FALSE(game.Wait(0.3)) << game.StandardError();
    x11.RequestClose(window);
    ASSERT_TRUE(game.Wait(30.0)) << "the game did not end after its window was closed";
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, BadFile, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

// Without settings, and without VORNAK_NO_ERROR_BOX, the player sees the message in a box
// and dismisses it; the program then ends with 0.
TEST(ErrorBox, ShowsTheMessageUntilDismissedThenExitsWithZero) {
    TempDir dir;
    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    std::vector<std::string> withBox = GameProcess::Quiet();
    withBox.erase(std::find(withBox.begin(), withBox.end(), "VORNAK_NO_ERROR_BOX=1"));
    GameProcess game(dir.path(), withBox);
    const unsigned long box = x11.FindWindow("Vornak", game.Pid(), 30.0);
    ASSERT_NE(box, 0u) << "no box appeared";
    EXPECT_FALSE(game.Wait(0.5)) << "the program ended while its box was up";

    // The box goes at the key press, so xdotool's key release may find no window and
    // report it; what counts is that the program ends.
    const std::string key =
        "xdotool key --window " + std::to_string(box) + " Return >/dev/null 2>&1";
    EXPECT_NE(std::system(key.c_str()), -1);
    ASSERT_TRUE(game.Wait(30.0)) << "the box did not go away on Return";
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_EQ(game.StandardError(), "Could not open Data\\engine.cfg\n");
}

} // namespace
