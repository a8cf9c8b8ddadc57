// Writes the game's pictures, font, button layout, sound effects and music (as WAV, for the
// build to encode) into the game's working directory; with --icons, the desktop icons into
// a folder of their own. Everything is computed from fixed seeds, so two runs give the same
// bytes.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/assetgen/AssetGen.h"

int main(int argc, char** argv) {
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc != 5 && !icons) {
        std::fprintf(stderr,
                     "usage: %s GAME_DIR MUSIC_WAV TEXT_FONT TITLE_FONT\n"
                     "       %s --icons ICON_DIR\n",
                     argv[0], argv[0]);
        return 2;
    }
    try {
        if (icons) {
            std::filesystem::create_directories(argv[2]);
            WriteIcons(argv[2]);
            return 0;
        }
        const std::string dir = argv[1];
        for (const char* folder : {"images", "data", "Sounds", "Music"})
            std::filesystem::create_directories(dir + "/" + folder);

        // 12-pixel DejaVu Sans on a baseline 12 rows into each 16-row band.
        GlyphRenderer text(argv[3], 12, 16, 12);
        GameFont font{text, 12};
        WriteFont(dir, font);
        WriteInterface(dir, font);
        WriteTiles(dir);
        WriteGrounds(dir);
        GlyphRenderer title(argv[4], 34, 44, 34);
        WriteBackground(dir, title);
        WriteSoundEffects(dir);
        WriteMusic(argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
