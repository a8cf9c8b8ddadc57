#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/data/DataReaders.h"
#include "tests/support/TempDir.h"

using namespace data;

// The generated data must be the same bytes on every build: running the generator again
// (and lame on its music) into a fresh folder gives exactly the files the build made.
TEST(Reproducible, GeneratingAgainGivesTheSameBytes) {
    // The build leaves the generator's command beside the game folder.
    std::vector<std::string> lines;
    {
        std::string text =
            ReadBytes(std::string(VORNAK_GAME_DIR) + "/../tools/assetgen-command.txt");
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 5u);
    const std::string& tool = lines[0];
    const std::string& lame = lines[3];
    const std::string& builtMusicWav = lines[4];

    TempDir dir;
    std::string generate =
        "\"" + tool + "\" out out/music.wav \"" + lines[1] + "\" \"" + lines[2] + "\"";
    ASSERT_EQ(std::system(generate.c_str()), 0) << generate;
    std::string encode = "\"" + lame + "\" --quiet --cbr -b 128 out/music.wav out/music.mp3";
    ASSERT_EQ(std::system(encode.c_str()), 0) << encode;

    const char* const generated[] = {
        "images/vntiles.tga",   "images/background.tga", "images/kestfont.tga",
        "images/interface.tga", "data/kestfont.txt",     "data/maininterface.txt",
        "Sounds/sword_hit.wav", "Sounds/arrow_fire.wav", "Sounds/arrow_hit.wav",
    };
    for (const char* file : generated) {
        std::string built = ReadBytes(GameFile(file));
        EXPECT_FALSE(built.empty()) << file;
        EXPECT_TRUE(built == ReadBytes(dir.path() + "/out/" + file)) << file << " differs";
    }
    EXPECT_TRUE(ReadBytes(builtMusicWav) == ReadBytes(dir.path() + "/out/music.wav"));
    EXPECT_TRUE(ReadBytes(GameFile("Music/Ashen Tide.mp3")) ==
                ReadBytes(dir.path() + "/out/music.mp3"));
}
