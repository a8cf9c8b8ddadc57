// The real program started on a copy of its working directory with one file broken at a
// time. Every broken file must end in its message and exit code 0, or leave a game that
// runs and closes cleanly; never a crash, a hang or a sanitizer report.
#include "platform/PathResolver.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Last: its macros (None, Bool, Status) would clash with the headers above.
#include <X11/Xlib.h>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kQuiet = GameProcess::Quiet();
const std::vector<std::string> kQuietDrawing = GameProcess::QuietDrawing();

// The copied game directory, seen through the game's own names ("NPCs\fighter3.cfg").
class GameFiles {
public:
    explicit GameFiles(const TempDir& dir) : dir_(dir) {}

    // The file on disk the game would open; fails the test when it is not there to break.
    std::string Existing(const std::string& gamePath) const {
        PathResolver::ClearCache();
        const std::string relative = PathResolver::Resolve(gamePath);
        EXPECT_TRUE(fs::is_regular_file(fs::path(dir_.path()) / relative))
            << gamePath << " is not in the generated game directory";
        return relative;
    }

    void Remove(const std::string& gamePath) const {
        fs::remove(fs::path(dir_.path()) / Existing(gamePath));
    }
    void Replace(const std::string& gamePath, const std::string& bytes) const {
        dir_.Write(Existing(gamePath), bytes);
    }
    std::string Read(const std::string& gamePath) const { return dir_.Read(Existing(gamePath)); }

    // Replaces the line "key = ..." (the first one) with `line`; an empty `line` drops it.
    void SetLine(const std::string& gamePath, const std::string& key,
                 const std::string& line) const {
        std::string text = Read(gamePath);
        const std::string prefix = key + " = ";
        std::size_t at = 0;
        if (text.rfind(prefix, 0) != 0) {
            at = text.find("\n" + prefix);
            ASSERT_NE(at, std::string::npos) << gamePath << " has no line for " << key;
            ++at;
        }
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        text.replace(at, end - at, line.empty() ? "" : line + "\n");
        Replace(gamePath, text);
    }

private:
    const TempDir& dir_;
};

constexpr int kAnySize = -1;
// A side given as 0 in the settings: SDL takes the screen's.
constexpr int kScreenSize = -2;

using Breakage = std::function<void(const GameFiles&)>;

struct Row {
    std::string name;
    Breakage breakIt;
    // The error text the program reports; empty when the game must keep running.
    std::string error;
    // The window the game opens: kAnySize, kScreenSize, or pixels.
    int windowWidth = kAnySize;
    int windowHeight = kAnySize;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

const char kHeaderError[] = "\tError reading file header\n";
const char kDataError[] = "\tError reading image data\n";
const char kTypeError[] = "\tUnsupported TGA format. Only uncompressed RGB & colour mapped images "
                          "are currently supported\n";
const char kDepthError[] = "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n";
const char kMemoryError[] = "\tNot enough memory to load image\n";

// The start of an executable: NULs, bytes above 127 and stray '=' signs.
const std::string kBinary("\x7f"
                          "ELF\x02\x01\x01\0\0=\xff\xfe\n\0\x01=",
                          16);

const char kBackground[] = "images\\background.tga";
const char kSettings[] = "Data\\engine.cfg";
const char kFighter3[] = "NPCs\\fighter3.cfg";
const char kFont[] = "data\\kestfont.txt";
const char kLayout[] = "data\\maininterface.txt";

Breakage Missing(const std::string& gamePath) {
    return [gamePath](const GameFiles& files) { files.Remove(gamePath); };
}

Breakage Contents(const std::string& gamePath, const std::string& bytes) {
    return [gamePath, bytes](const GameFiles& files) { files.Replace(gamePath, bytes); };
}

Breakage Line(const std::string& gamePath, const std::string& key, const std::string& line) {
    return [gamePath, key, line](const GameFiles& files) { files.SetLine(gamePath, key, line); };
}

Breakage Appended(const std::string& gamePath, const std::string& text) {
    return [gamePath, text](const GameFiles& files) {
        files.Replace(gamePath, files.Read(gamePath) + text);
    };
}

// The first `count` bytes of the file.
Breakage Cut(const std::string& gamePath, std::size_t count) {
    return [gamePath, count](const GameFiles& files) {
        const std::string bytes = files.Read(gamePath);
        ASSERT_GT(bytes.size(), count);
        files.Replace(gamePath, bytes.substr(0, count));
    };
}

TgaBytes Picture(uint8_t type, uint8_t depth, uint16_t width, uint16_t height) {
    TgaBytes tga;
    tga.type = type;
    tga.depth = depth;
    tga.width = width;
    tga.height = height;
    const unsigned bytesPerPixel = type == 2 ? depth / 8u : 1u;
    tga.pixels.assign(std::size_t{width} * height * bytesPerPixel, 0x40);
    return tga;
}

std::vector<Row> Rows() {
    std::vector<Row> rows = {
        {"NoSettings", Missing(kSettings), "Could not open Data\\engine.cfg"},
    };
    for (int n = 1; n <= 8; ++n) {
        const std::string path = "NPCs\\fighter" + std::to_string(n) + ".cfg";
        rows.push_back({"NoFighter" + std::to_string(n), Missing(path), "Could not open " + path});
    }
    const std::vector<Row> more = {
        {"NoBackground", Missing(kBackground), "Could not open images\\background.tga"},
        {"NoTiles", Missing("images\\vntiles.tga"), "Could not open images\\vntiles.tga"},
        {"NoFontSheet", Missing("images\\kestfont.tga"), "Could not open images\\kestfont.tga"},
        {"NoLayoutSheet", Missing("images\\interface.tga"), "Could not open images\\interface.tga"},
        // No description names no sheet, and the sheet load is what fails.
        {"NoFontDescription", Missing(kFont), "Could not open "},
        // Without a layout there are simply no buttons.
        {"NoLayout", Missing(kLayout), ""},
        {"NoSwordSound", Missing("Sounds\\sword_hit.wav"), ""},
        {"NoArrowFireSound", Missing("Sounds\\arrow_fire.wav"), ""},
        {"NoArrowHitSound", Missing("Sounds\\arrow_hit.wav"), ""},
        {"NoMusic", Missing("Music\\Ashen Tide.mp3"), ""},

        {"TgaCutInHeader", Cut(kBackground, 11), kHeaderError},
        {"TgaCutInPixels", Cut(kBackground, 18 + 1000), kDataError},
        {"TgaEmpty", Contents(kBackground, ""), kHeaderError},
        {"TgaRunLengthEncoded", Contents(kBackground, Picture(10, 24, 4, 4).Build()), kTypeError},
        {"Tga16Bit", Contents(kBackground, Picture(2, 16, 4, 4).Build()), kDepthError},
        {"TgaHuge",
         Contents(kBackground, Picture(2, 32, 1, 1).Build().replace(12, 4, "\xff\xff\xff\xff")),
         kMemoryError},
        {"TgaColourMappedWithPalette",
         [](const GameFiles& files) {
             TgaBytes tga = Picture(1, 8, 256, 256);
             tga.id = "a palette nobody applies";
             tga.mapLength = 256;
             tga.mapEntryBits = 24;
             files.Replace(kBackground, tga.Build());
         },
         ""},
        {"TgaGreyscale", Contents(kBackground, Picture(3, 8, 64, 64).Build()), ""},
        {"TgaWiderThanAnyTexture", Contents(kBackground, Picture(2, 32, 40000, 1).Build()), ""},
        {"TgaZeroSized", Contents(kBackground, Picture(2, 32, 0, 0).Build()), ""},

        // One character is dropped on each side of '=': the key read is "bp", and a missing
        // bpp lets SDL use the screen's depth.
        {"SettingsBppWithoutBlanks", Line(kSettings, "bpp", "bpp=32"), "", 640, 480},
        {"SettingsLineStartingWithEquals", Appended(kSettings, "= 5\n"), ""},
        {"SettingsEmptyValue", Appended(kSettings, "x = \n"), ""},
        {"SettingsLineEndingInEquals", Appended(kSettings, "extra =\n"), ""},
        {"SettingsWidthEndingInEquals", Line(kSettings, "h_res", "h_res ="), "", kScreenSize, 480},
        {"SettingsNoNewlineAtEnd", Appended(kSettings, "last = 1"), ""},
        {"SettingsCrlf",
         [](const GameFiles& files) {
             std::string text;
             for (char c : files.Read(kSettings)) {
                 text += c == '\n' ? std::string("\r\n") : std::string(1, c);
             }
             files.Replace(kSettings, text);
         },
         ""},
        {"SettingsTextWidth", Line(kSettings, "h_res", "h_res = wide"), ""},
        // SDL's own words for a size it cannot make a window of.
        {"SettingsHugeWidth", Line(kSettings, "h_res", "h_res = 99999999999999999999"),
         "Invalid width or height"},
        {"SettingsWidthWrapsToZero", Line(kSettings, "h_res", "h_res = 65536"),
         "Invalid width or height"},
        {"SettingsHugeDepth", Line(kSettings, "bpp", "bpp = 1e30"), ""},
        {"SettingsOddDepth", Line(kSettings, "bpp", "bpp = 7"),
         "Invalid bits per pixel (range is {8...32})"},
        // Without OpenGL nothing is drawn, but the battle runs and closes like any other.
        {"SettingsNoOpenGL", Line(kSettings, "use_opengl", "use_opengl = 0"), "", 640, 480},
        {"SettingsFullScreen", Line(kSettings, "full_screen", "full_screen = 1"), ""},
        {"SettingsScale9", Line(kSettings, "scale", "scale = 9"),
         "Bad scale 9 in Data\\engine.cfg (must be a whole number from 0 to 8)"},
        {"SettingsNegativeHeight", Line(kSettings, "v_res", "v_res = -480"),
         "Invalid width or height"},
        {"SettingsEmpty", Contents(kSettings, ""), "", kScreenSize, kScreenSize},
        {"SettingsBinary", Contents(kSettings, kBinary), "", kScreenSize, kScreenSize},

        {"FighterMissingSpeed", Line(kFighter3, "speed", ""), ""},
        {"FighterMissingName", Line(kFighter3, "name", ""), ""},
        {"FighterTextHealth", Line(kFighter3, "health", "health = ten"), ""},
        {"FighterTextPosition", Line(kFighter3, "posx", "posx = left"), ""},
        {"FighterPositionWrittenAsWord", Line(kFighter3, "posx", "posx = 1e30"), ""},
        {"FighterFarAway", Line(kFighter3, "posx", "posx = 99999999999999999999"),
         "Bad position 1e+20 in NPCs\\fighter3.cfg (must be -1000 to 1000)"},
        {"FighterSpeed13", Line(kFighter3, "speed", "speed = 13"),
         "Bad speed 13 in NPCs\\fighter3.cfg (must be 0 to 12)"},
        {"FighterSpeedMinus1", Line(kFighter3, "speed", "speed = -1"),
         "Bad speed -1 in NPCs\\fighter3.cfg (must be 0 to 12)"},
        {"FighterHugeHealth", Line(kFighter3, "health", "health = 99999999999"), ""},
        {"FighterEmpty", Contents(kFighter3, ""), ""},

        {"FontDescriptionEndsEarly", Cut(kFont, 60), ""},
        {"FontDescriptionNotNumbers", Contents(kFont, "images\\kestfont.tga 7 8 nine 10\n"), ""},
        {"FontDescriptionEmpty", Contents(kFont, ""), "Could not open "},
        {"LayoutIncompleteLastElement", Appended(kLayout, "\n9 1 0 0 10 10\n"), ""},
        {"LayoutOnlySheet", Contents(kLayout, "images\\interface.tga\n"), ""},
        {"LayoutAbsurdNumbers",
         Appended(kLayout, "\n5 1 -2147483648 2147483647 2147483647 -2147483648 2147483647 "
                           "2147483647\n"),
         ""},
        {"RunLogIsAFolder",
         [](const GameFiles& files) {
             files.Existing(kSettings);
             fs::create_directory("runlog.txt");
         },
         ""},
    };
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

class BadFile : public testing::TestWithParam<Row> {};

TEST_P(BadFile, EndsInItsMessageOrKeepsRunning) {
    const Row& row = GetParam();
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    GameFiles files(dir);
    row.breakIt(files);
    ASSERT_FALSE(HasFailure()) << "the row could not be set up";

    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    GameProcess game(dir.path(), row.error.empty() ? kQuietDrawing : kQuiet);
    if (!row.error.empty()) {
        ASSERT_TRUE(game.Wait(30.0)) << "still running after a failure";
        EXPECT_EQ(game.ExitCode(), 0);
        EXPECT_EQ(game.StandardError(), row.error + "\n");
        return;
    }

    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 30.0);
    ASSERT_NE(window, 0u) << "no window; the game said: " << game.StandardError();
    if (row.windowWidth != kAnySize) {
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        const int screenWidth = DisplayWidth(display, DefaultScreen(display));
        const int screenHeight = DisplayHeight(display, DefaultScreen(display));
        XCloseDisplay(display);
        int width = 0, height = 0;
        ASSERT_TRUE(x11.Size(window, width, height));
        EXPECT_EQ(width, row.windowWidth == kScreenSize ? screenWidth : row.windowWidth);
        EXPECT_EQ(height, row.windowHeight == kScreenSize ? screenHeight : row.windowHeight);
    }
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

// Without VORNAK_NO_ERROR_BOX the player sees the message in a box and dismisses it.
TEST(ErrorBox, ShowsTheMessageUntilDismissedThenExitsWithZero) {
    TempDir dir;
    X11Session x11;
    ASSERT_TRUE(x11.Connected()) << "needs an X display";
    std::vector<std::string> withBox = kQuiet;
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
