#pragma once

// Small readers for the generated files, written for these tests alone so that they check
// the data against the formats rather than against the game's own loaders.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace data {

inline std::string GameFile(const std::string& relative) {
    return std::string(VORNAK_GAME_DIR) + "/" + relative;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The game writes paths with backslashes; on disk they are folders.
inline std::string DiskPath(std::string gamePath) {
    for (char& c : gamePath)
        if (c == '\\')
            c = '/';
    return GameFile(gamePath);
}

inline unsigned U16(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8);
}
inline unsigned U32(const std::string& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

struct Rgba {
    int r, g, b, a;
};

// An uncompressed true-colour TGA, pixels kept with the top row first (the file is read as
// the game reads it: bottom row first).
struct Tga {
    bool ok = false;
    int type = 0, depth = 0, descriptor = 0, width = 0, height = 0;
    std::vector<Rgba> pixels;

    Rgba At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Opaque(int x, int y) const {
        return depth == 24 ? !(At(x, y).r == 255 && At(x, y).g == 0 && At(x, y).b == 255)
                           : At(x, y).a > 0;
    }
    int OpaqueCount(int x, int y, int w, int h) const {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += Opaque(i, j) ? 1 : 0;
        return n;
    }
};

inline Tga ReadTga(const std::string& path) {
    Tga tga;
    std::string b = ReadBytes(path);
    if (b.size() < 18)
        return tga;
    tga.type = static_cast<uint8_t>(b[2]);
    tga.width = static_cast<int>(U16(b, 12));
    tga.height = static_cast<int>(U16(b, 14));
    tga.depth = static_cast<uint8_t>(b[16]);
    tga.descriptor = static_cast<uint8_t>(b[17]);
    size_t offset = 18 + static_cast<uint8_t>(b[0]) + U16(b, 5) * (static_cast<uint8_t>(b[7]) / 8);
    int bytes = tga.depth / 8;
    if (tga.type != 2 || (bytes != 3 && bytes != 4))
        return tga;
    size_t count = static_cast<size_t>(tga.width) * tga.height;
    if (b.size() != offset + count * bytes)
        return tga;
    tga.pixels.resize(count);
    for (int row = 0; row < tga.height; ++row) {
        int y = tga.height - 1 - row;
        for (int x = 0; x < tga.width; ++x) {
            size_t p = offset + (static_cast<size_t>(row) * tga.width + x) * bytes;
            Rgba& px = tga.pixels[static_cast<size_t>(y) * tga.width + x];
            px.b = static_cast<uint8_t>(b[p]);
            px.g = static_cast<uint8_t>(b[p + 1]);
            px.r = static_cast<uint8_t>(b[p + 2]);
            px.a = bytes == 4 ? static_cast<uint8_t>(b[p + 3]) : 255;
        }
    }
    tga.ok = true;
    return tga;
}

// A 16-bit PCM WAV with a plain RIFF layout; samples scaled to [-1, 1], interleaved.
struct Wav {
    bool ok = false;
    unsigned format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<float> samples;
    double Seconds() const { return channels ? double(samples.size()) / channels / rate : 0; }
};

inline Wav ReadWav(const std::string& path) {
    Wav wav;
    std::string b = ReadBytes(path);
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return wav;
    if (U32(b, 4) + 8 != b.size())
        return wav;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id = b.substr(at, 4);
        size_t size = U32(b, at + 4);
        size_t body = at + 8;
        if (body + size > b.size())
            return wav;
        if (id == "fmt " && size >= 16) {
            wav.format = U16(b, body);
            wav.channels = U16(b, body + 2);
            wav.rate = U32(b, body + 4);
            wav.bits = U16(b, body + 14);
            haveFormat = U32(b, body + 8) == wav.rate * wav.channels * wav.bits / 8 &&
                         U16(b, body + 12) == wav.channels * wav.bits / 8;
        } else if (id == "data" && haveFormat && wav.bits == 16) {
            for (size_t i = 0; i + 1 < size; i += 2)
                wav.samples.push_back(static_cast<int16_t>(U16(b, body + i)) / 32768.0f);
            wav.ok = wav.format == 1 && size % (2 * wav.channels) == 0;
        }
        at = body + size + (size & 1);
    }
    return wav;
}

} // namespace data
