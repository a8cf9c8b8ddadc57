#include "engine/GameError.h"
#include "graphics/VideoSystem.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

// Failures are found before any texture is made, so the real loader needs no window here.
namespace {

std::string LoadFailure(const std::string& path) {
    VideoSystem video;
    try {
        video.LoadTGA(path);
    } catch (const GameError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no error for " << path;
    return "";
}

} // namespace

TEST(LoadTGA, MissingFileNamesThePathAsGiven) {
    TempDir dir;
    EXPECT_EQ("Could not open images\\vntiles.tga", LoadFailure("images\\vntiles.tga"));
    EXPECT_EQ("Could not open ", LoadFailure(""));
}

TEST(LoadTGA, BrokenFilesFailWithTheDecoderText) {
    TempDir dir;
    dir.Write("images/short.tga", std::string("\0\0\2", 3));
    EXPECT_EQ("\tError reading file header\n", LoadFailure("images\\short.tga"));

    TgaBytes tga;
    tga.width = 4;
    tga.pixels = {1, 2, 3};
    dir.Write("Pictures/Cut.TGA", tga.Build());
    EXPECT_EQ("\tError reading image data\n", LoadFailure("pictures\\cut.tga"));
}
