#pragma once

#include <cstdint>
#include <string>

class CheckReport;

// Pictures read as the game's LoadTGA reads them: through the path layer, then
// TgaImage::Decode.
class PictureCheck {
public:
    // True, with the picture's size, when the game can read it; otherwise reports why not.
    // A missing file is reported where its name was written (`namedIn` at `namedLine`),
    // or on its own path when the game names it itself (`namedIn` empty).
    static bool Read(CheckReport& report, const std::string& gamePath, int32_t& width,
                     int32_t& height, const std::string& namedIn = {}, int32_t namedLine = 0);

    // Reports a picture smaller than the `needWidth` x `needHeight` from which the game
    // draws `what`.
    static void Holds(CheckReport& report, const std::string& gamePath, int32_t width,
                      int32_t height, int64_t needWidth, int64_t needHeight,
                      const std::string& what);
};
