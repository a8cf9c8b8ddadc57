#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds TGA files in memory for the tests: an 18-byte header, an optional ID field and
// colour map, then the pixel bytes exactly as given (rows in file order).
struct TgaBytes {
    uint8_t type = 2;
    uint8_t depth = 24;
    uint16_t width = 1;
    uint16_t height = 1;
    std::string id;
    uint16_t mapLength = 0;
    uint8_t mapEntryBits = 0;
    std::vector<uint8_t> pixels;

    std::string Build() const {
        std::string out;
        auto byte = [&out](unsigned value) { out.push_back(static_cast<char>(value & 0xff)); };
        auto word = [&byte](unsigned value) {
            byte(value);
            byte(value >> 8);
        };
        byte(static_cast<unsigned>(id.size()));
        byte(mapLength ? 1 : 0);
        byte(type);
        word(0);
        word(mapLength);
        byte(mapEntryBits);
        word(0);
        word(0);
        word(width);
        word(height);
        byte(depth);
        byte(0);
        out += id;
        // A palette that would paint everything green if it were applied.
        for (unsigned i = 0; i < mapLength * (mapEntryBits / 8u); ++i) {
            byte(i % 3 == 1 ? 0xff : 0);
        }
        out.append(pixels.begin(), pixels.end());
        return out;
    }
};
