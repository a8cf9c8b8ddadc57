#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds TGA files in memory for the tests: an 18-byte header, an optional ID field and
// colour map, then the pixel bytes exactly as given (rows in file order).
struct TgaBytes {
    uint8_t type = 2, depth = 24;
    uint16_t width = 1, height = 1;
    std::string id;
    uint16_t mapLength = 0;
    uint8_t mapEntryBits = 0;
    std::vector<uint8_t> pixels;

    std::string Build() const {
        const auto word = [](unsigned value) { return std::string{char(value), char(value >> 8)}; };
        // A palette that would paint everything white if it were applied.
        return std::string{char(id.size()), char(mapLength ? 1 : 0), char(type)} + word(0) +
               word(mapLength) + char(mapEntryBits) + word(0) + word(0) + word(width) +
               word(height) + char(depth) + '\0' + id +
               std::string(mapLength * (mapEntryBits / 8u), '\xff') +
               std::string(pixels.begin(), pixels.end());
    }

    // A whole picture of the given type, depth and size with every pixel byte zero (a
    // palette of `mapLength` 24-bit colours before them when asked).
    static std::string Blank(uint8_t type, uint8_t depth, uint16_t width, uint16_t height,
                             uint16_t mapLength = 0) {
        TgaBytes tga{type, depth, width, height, "", mapLength, uint8_t(mapLength ? 24 : 0), {}};
        tga.pixels.resize(std::size_t{width} * height * (depth / 8u));
        return tga.Build();
    }
};
