#include "tools/assetgen/Image.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include <zlib.h>

Colour Rgb(int r, int g, int b, float a) {
    return Colour{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Colour Mix(const Colour& from, const Colour& to, float t) {
    return Colour{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                  from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour Scale(const Colour& c, float factor) {
    return Colour{c.r * factor, c.g * factor, c.b * factor, c.a};
}

Image::Image(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<size_t>(width) * height, Colour{0, 0, 0, 0}) {}

Colour Image::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Colour{0, 0, 0, 0};
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Image::Set(int x, int y, const Colour& c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Image::Blend(int x, int y, const Colour& c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Colour& d = pixels_[static_cast<size_t>(y) * width_ + x];
    float sa = std::clamp(c.a * coverage, 0.0f, 1.0f);
    float outA = sa + d.a * (1.0f - sa);
    if (outA <= 0.0f) {
        d = Colour{0, 0, 0, 0};
        return;
    }
    // Straight alpha: weight the colours by how much each contributes.
    auto mix = [&](float s, float t) { return (s * sa + t * d.a * (1.0f - sa)) / outA; };
    d = Colour{mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), outA};
}

void Image::Fill(int x, int y, int w, int h, const Colour& c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, c);
}

void Image::BlendRect(int x, int y, int w, int h, const Colour& c, float coverage) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Blend(i, j, c, coverage);
}

void Image::Bevel(int x, int y, int w, int h, int thickness, const Colour& light,
                  const Colour& dark, bool sunken) {
    const Colour& topLeft = sunken ? dark : light;
    const Colour& bottomRight = sunken ? light : dark;
    for (int t = 0; t < thickness; ++t) {
        // Inner rings fade so the edge reads as rounded rather than as a stripe.
        float strength = 1.0f - 0.35f * t / std::max(1, thickness);
        for (int i = x + t; i < x + w - t; ++i) {
            Blend(i, y + t, topLeft, strength);
            Blend(i, y + h - 1 - t, bottomRight, strength);
        }
        for (int j = y + t + 1; j < y + h - 1 - t; ++j) {
            Blend(x + t, j, topLeft, strength);
            Blend(x + w - 1 - t, j, bottomRight, strength);
        }
    }
}

void Image::Clear(int x, int y, int w, int h) {
    Fill(x, y, w, h, Colour{0, 0, 0, 0});
}

void Image::Paste(const Image& from, int x, int y) {
    for (int j = 0; j < from.Height(); ++j)
        for (int i = 0; i < from.Width(); ++i)
            Set(x + i, y + j, from.Get(i, j));
}

static uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

void Image::WriteTGA(const std::string& path) const {
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<uint8_t>(width_ & 0xff);
    bytes[13] = static_cast<uint8_t>(width_ >> 8);
    bytes[14] = static_cast<uint8_t>(height_ & 0xff);
    bytes[15] = static_cast<uint8_t>(height_ >> 8);
    bytes[16] = 32;
    bytes[17] = 8; // eight alpha bits; origin bits clear = bottom row first
    bytes.reserve(bytes.size() + pixels_.size() * 4);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Colour& c = pixels_[static_cast<size_t>(y) * width_ + x];
            bytes.push_back(ToByte(c.b));
            bytes.push_back(ToByte(c.g));
            bytes.push_back(ToByte(c.r));
            bytes.push_back(ToByte(c.a));
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

namespace {

void PutBigEndian(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// One chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, static_cast<uint32_t>(crc32(0, png.data() + typeAt, png.size() - typeAt)));
}

} // namespace

void Image::WritePNG(const std::string& path) const {
    // Each row starts with its filter byte (0: none); zlib does the compressing.
    std::vector<uint8_t> raw;
    raw.reserve(pixels_.size() * 4 + height_);
    for (int y = 0; y < height_; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width_; ++x) {
            const Colour& c = pixels_[static_cast<size_t>(y) * width_ + x];
            for (float v : {c.r, c.g, c.b, c.a})
                raw.push_back(ToByte(v));
        }
    }
    uLongf packedSize = compressBound(raw.size());
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), raw.size(), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress " + path);
    packed.resize(packedSize);

    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(width_));
    PutBigEndian(header, static_cast<uint32_t>(height_));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace

    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> png(signature, signature + sizeof signature);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
