// The data the generator makes, read with the game's own readers: what is checked is what
// the game will draw. (The fighter files, the sounds and every file's form are checked by
// `vornak check` on the shipped folder, in the check tests.)
#include "graphics/Font.h"
#include "graphics/Interface.h"
#include "graphics/TgaImage.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string GameFile(const std::string& relative) {
    return std::string(VORNAK_GAME_DIR) + "/" + relative;
}

// A picture as the game decodes it; At counts rows from the top, as the screen does (the
// file holds the bottom row first).
struct Picture {
    TgaImage image;
    explicit Picture(const std::string& relative) {
        std::string failure;
        EXPECT_TRUE(TgaImage::Decode(Bytes(GameFile(relative)), image, failure)) << relative;
        EXPECT_FALSE(image.alphaOnly) << relative;
    }
    const uint8_t* At(int x, int y) const {
        return &image.pixels[(std::size_t(image.height - 1 - y) * image.width + x) * 4];
    }
    bool White(int x, int y) const { return At(x, y)[0] + At(x, y)[1] + At(x, y)[2] == 765; }
    int Opaque(int x, int y, int w, int h) const {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += At(i, j)[3] > 0;
        return n;
    }
};

} // namespace

// The cells the battle draws are there (ground and bars solid, as they are tiled and
// stretched); the ring is white, as the game tints it, and open around its fighter. The
// background is clear over the field and the log, solid and dark under the white panel texts.
TEST(GeneratedData, TileSheetAndBackground) {
    const Picture tiles("images/vntiles.tga");
    for (auto [x, y, size] : {std::array{0, 0, 16},
                              {80, 0, 16},
                              {0, 32, 32},
                              {0, 240, 16},
                              {16, 240, 16},
                              {32, 240, 16},
                              {48, 240, 16},
                              {64, 240, 16}})
        EXPECT_GT(tiles.Opaque(x, y, size, size), size * size / 8) << x << "," << y;
    EXPECT_EQ(tiles.Opaque(0, 16, 16, 16), 256);
    EXPECT_EQ(tiles.Opaque(240, 240, 16, 1) + tiles.Opaque(240, 254, 16, 1), 32);
    for (int y = 32; y < 64; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_TRUE(tiles.At(x, y)[3] == 0 || tiles.White(x, y)) << x << "," << y;
    EXPECT_EQ(tiles.Opaque(12, 44, 8, 8), 0);

    const Picture background("images/background.tga");
    ASSERT_EQ(background.image.width * background.image.height, 640 * 480);
    EXPECT_EQ(background.Opaque(8, 8, 256, 256) + background.Opaque(9, 271, 420, 106), 0);
    EXPECT_EQ(background.Opaque(272, 8, 199, 106), 199 * 106);
    for (int y = 10; y < 112; y += 7)
        for (int x = 274; x < 468; x += 9)
            EXPECT_LT(background.At(x, y)[0] + background.At(x, y)[1] + background.At(x, y)[2],
                      270);
}

// Every printable character has white ink (tinted by multiplying) inside its own columns
// of its own band; ink outside would bleed into its neighbours' draws.
TEST(GeneratedData, FontGlyphs) {
    std::string sheetPath;
    int32_t widths[256], xs[256];
    ASSERT_TRUE(
        Font::ParseDescription(Bytes(GameFile("data/kestfont.txt")), sheetPath, widths, xs));
    std::replace(sheetPath.begin(), sheetPath.end(), '\\', '/');
    const Picture sheet(sheetPath);
    ASSERT_GE(sheet.image.height, 94 * 16);
    for (int i = 0; i < 94; ++i) {
        ASSERT_TRUE(widths[i] > 0 && xs[i] >= 0 && xs[i] + widths[i] <= sheet.image.width) << i;
        EXPECT_GT(sheet.Opaque(xs[i], i * 16, widths[i], 16), 0) << char(33 + i);
        for (int y = i * 16; y < i * 16 + 16; ++y)
            for (int x = 0; x < sheet.image.width; ++x)
                EXPECT_TRUE(sheet.At(x, y)[3] == 0 ||
                            (sheet.White(x, y) && x >= xs[i] && x < xs[i] + widths[i]))
                    << char(33 + i) << " at " << x;
    }
}

// Eight live buttons (the six commands, Quit, and Again at the end) with their four
// pictures in the sheet, in the window, clear of the field, the panels, the log and each
// other (both edges count, as for the pointer).
TEST(GeneratedData, LayoutButtons) {
    std::string sheetPath;
    int32_t originX = 0, originY = 0;
    std::vector<InterfaceElement> buttons;
    Interface::ParseLayout(Bytes(GameFile("data/maininterface.txt")), sheetPath, originX, originY,
                           buttons);
    std::replace(sheetPath.begin(), sheetPath.end(), '\\', '/');
    const Picture sheet(sheetPath);
    ASSERT_EQ(buttons.size(), 8u);
    std::vector<std::array<int, 4>> taken = {
        {8, 8, 263, 263}, {272, 8, 471, 113}, {9, 271, 420, 377}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const InterfaceElement& b = buttons[i];
        EXPECT_EQ(b.id, int(i) + 1);
        EXPECT_NE(b.enabled, 0);
        EXPECT_TRUE(b.sourceX >= 0 && b.sourceY >= 0 &&
                    b.sourceX + 2 * b.width <= sheet.image.width &&
                    b.sourceY + 2 * b.height <= sheet.image.height);
        const std::array<int, 4> box{originX + b.x, originY + b.y, originX + b.x + b.width,
                                     originY + b.y + b.height};
        EXPECT_TRUE(box[0] >= 0 && box[1] >= 0 && box[2] < 640 && box[3] < 480) << b.id;
        for (const auto& other : taken)
            EXPECT_FALSE(box[0] <= other[2] && other[0] <= box[2] && box[1] <= other[3] &&
                         other[1] <= box[3])
                << "button " << b.id << " overlaps " << other[0] << "," << other[1];
        taken.push_back(box);
    }
}

// The same bytes on every build: the generator (and lame on its music) run again into a
// fresh folder make exactly the files the build made. The build leaves the commands it
// used beside the game folder.
TEST(Reproducible, GeneratingAgainGivesTheSameBytes) {
    std::istringstream in(Bytes(std::string(VORNAK_GAME_DIR) + "/../tools/assetgen-command.txt"));
    std::vector<std::string> tool;
    for (std::string line; std::getline(in, line);)
        tool.push_back("\"" + line + "\"");
    ASSERT_EQ(tool.size(), 5u);
    TempDir dir;
    const std::string run = tool[0] + " out out/music.wav " + tool[1] + " " + tool[2] + " && " +
                            tool[3] + " --quiet --cbr -b 128 out/music.wav out/music.mp3";
    ASSERT_EQ(std::system(run.c_str()), 0) << run;
    for (const char* file :
         {"images/vntiles.tga", "images/background.tga", "images/kestfont.tga",
          "images/interface.tga", "data/kestfont.txt", "data/maininterface.txt",
          "Sounds/sword_hit.wav", "Sounds/arrow_fire.wav", "Sounds/arrow_hit.wav"})
        EXPECT_TRUE(Bytes(GameFile(file)) == Bytes("out/" + std::string(file))) << file;
    EXPECT_TRUE(Bytes(GameFile("Music/Ashen Tide.mp3")) == Bytes("out/music.mp3"));
}
