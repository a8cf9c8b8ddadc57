#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A straight-alpha RGBA picture held top row first, the way the art is drawn. Only the TGA
// writer turns it over, because the game's loader expects the bottom row first.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

Colour Rgb(int r, int g, int b, float a = 1.0f);
Colour Mix(const Colour& from, const Colour& to, float t);
Colour Scale(const Colour& c, float factor); // brightness only; alpha kept

class Image {
public:
    Image(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Pixels outside the picture are ignored on writing and read as transparent black.
    Colour Get(int x, int y) const;
    void Set(int x, int y, const Colour& c);
    // Paints c over the pixel with c.a times coverage as its opacity.
    void Blend(int x, int y, const Colour& c, float coverage = 1.0f);

    void Fill(int x, int y, int w, int h, const Colour& c);
    void BlendRect(int x, int y, int w, int h, const Colour& c, float coverage = 1.0f);
    // A raised (or, with sunken, pressed-in) edge of the given thickness inside the rectangle.
    void Bevel(int x, int y, int w, int h, int thickness, const Colour& light, const Colour& dark,
               bool sunken);
    // Makes the rectangle fully transparent.
    void Clear(int x, int y, int w, int h);
    // Copies another picture's pixels (alpha included) with its top-left at (x, y).
    void Paste(const Image& from, int x, int y);

    // Uncompressed 32-bit true-colour TGA, BGRA, bottom row first.
    void WriteTGA(const std::string& path) const;
    // 8-bit RGBA PNG, for the desktop's icons.
    void WritePNG(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};
