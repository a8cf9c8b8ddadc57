#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/data/DataReaders.h"
#include "tests/support/TempDir.h"

using namespace data;

// The generated data must be the same bytes on every build: running the generator again
// (and lame on its music) into a fresh folder gives exactly the files the build made.
TEST(Reproducible, GeneratingAgainGivesTheSameBytes) {
    // The build leaves the generator's command beside the game folder: the generator, its two
    // fonts, lame, and where it put the music before encoding.
    std::istringstream in(
        ReadBytes(std::string(VORNAK_GAME_DIR) + "/../tools/assetgen-command.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u);

    TempDir dir;
    std::string generate =
        "\"" + lines[0] + "\" out out/music.wav \"" + lines[1] + "\" \"" + lines[2] + "\"";
    ASSERT_EQ(std::system(generate.c_str()), 0) << generate;
    std::string encode = "\"" + lines[3] + "\" --quiet --cbr -b 128 out/music.wav out/music.mp3";
    ASSERT_EQ(std::system(encode.c_str()), 0) << encode;

    // The music's WAV needs no check of its own: lame gives the same MP3 only from the same WAV.
    for (const char* file :
         {"images/vntiles.tga", "images/background.tga", "images/kestfont.tga",
          "images/interface.tga", "data/kestfont.txt", "data/maininterface.txt",
          "Sounds/sword_hit.wav", "Sounds/arrow_fire.wav", "Sounds/arrow_hit.wav"}) {
        std::string built = ReadBytes(GameFile(file));
        EXPECT_FALSE(built.empty()) << file;
        EXPECT_TRUE(built == ReadBytes(dir.path() + "/out/" + file)) << file << " differs";
    }
    EXPECT_TRUE(ReadBytes(GameFile("Music/Ashen Tide.mp3")) ==
                ReadBytes(dir.path() + "/out/music.mp3"));
}
