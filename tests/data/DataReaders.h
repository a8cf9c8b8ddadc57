#pragma once

// Readers for the generated files. Pictures go through the game's own decoder, so what is
// checked is what the game would draw; sounds are read here, held to the plain layout.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/TgaImage.h"

namespace data {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A path inside the game's folder; the game writes paths with backslashes.
inline std::string GameFile(std::string relative) {
    for (char& c : relative)
        c = c == '\\' ? '/' : c;
    return std::string(VORNAK_GAME_DIR) + "/" + relative;
}

inline std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

inline unsigned U8(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]);
}
inline unsigned U16(const std::string& b, size_t at) {
    return U8(b, at) | (U8(b, at + 1) << 8);
}
inline unsigned U32(const std::string& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

struct Rgba {
    int r, g, b, a;
    bool White() const { return r == 255 && g == 255 && b == 255; }
};

// A colour picture as the game decodes it. The decoder keeps rows in file order and the
// drawing takes them as bottom row first, so a picture with the top-left origin bit set is
// not one the game shows the right way up. At counts rows from the top, as the screen does.
struct Tga {
    bool ok = false;
    int width = 0, height = 0;
    TgaImage image;

    Rgba At(int x, int y) const {
        const uint8_t* p = &image.pixels[(size_t(height - 1 - y) * width + x) * 4];
        return Rgba{p[0], p[1], p[2], p[3]};
    }
    int OpaqueCount(int x, int y, int w, int h) const {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += At(i, j).a > 0;
        return n;
    }
};

inline Tga ReadTga(const std::string& path) {
    Tga tga;
    std::string bytes = ReadBytes(path), failure;
    tga.ok = TgaImage::Decode(bytes, tga.image, failure) && !tga.image.alphaOnly &&
             (U8(bytes, 17) & 0x20) == 0;
    tga.width = tga.image.width;
    tga.height = tga.image.height;
    return tga;
}

// A 16-bit PCM WAV in the plain 44-byte RIFF layout, with every size and rate field
// consistent; samples scaled to [-1, 1], interleaved.
struct Wav {
    bool ok = false;
    unsigned channels = 0, rate = 0;
    std::vector<float> samples;
    double Seconds() const { return channels ? double(samples.size()) / channels / rate : 0; }
};

inline Wav ReadWav(const std::string& path) {
    Wav wav;
    std::string b = ReadBytes(path);
    if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") ||
        b.compare(36, 4, "data") || U32(b, 4) + 8 != b.size() || U32(b, 40) + 44 != b.size())
        return wav;
    wav.channels = U16(b, 22);
    wav.rate = U32(b, 24);
    wav.ok = wav.channels > 0 && U32(b, 16) == 16 && U16(b, 20) == 1 && U16(b, 34) == 16 &&
             U32(b, 28) == wav.rate * wav.channels * 2 && U16(b, 32) == wav.channels * 2 &&
             U32(b, 40) % (2 * wav.channels) == 0;
    for (size_t at = 44; wav.ok && at + 1 < b.size(); at += 2)
        wav.samples.push_back(static_cast<int16_t>(U16(b, at)) / 32768.0f);
    return wav;
}

} // namespace data
