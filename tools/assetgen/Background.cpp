#include <cmath>

#include "tools/assetgen/AssetGen.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Shapes.h"

// The frame drawn over the whole window. It must stay see-through over the battlefield and
// the message log, which are drawn before it; the panels and buttons are drawn after it, so
// their places only get a plain dark backing.
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

const Colour kLight = Rgb(168, 160, 140);
const Colour kShadow = Rgb(14, 12, 12);
const Colour kInset = Rgb(22, 24, 30);
const Colour kTrim = Rgb(196, 156, 72);

// Dressed stone blocks, 32 x 16, every other course shifted by half a block.
void PaintStone(Image& image) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            int course = y / 16;
            int shifted = x + (course % 2) * 16;
            int block = shifted / 32;
            float tone = 0.85f + 0.2f * Hash01(block, course, 3);
            float grain = Fractal(float(x), float(y), 16.0f, 4, 0, 71);
            Colour c = Scale(Mix(Rgb(70, 68, 72), Rgb(98, 92, 88), grain), tone);
            int inBlockX = shifted % 32;
            int inBlockY = y % 16;
            if (inBlockY == 0 || inBlockX == 0)
                c = Rgb(34, 32, 34); // mortar
            else if (inBlockY == 1 || inBlockX == 1)
                c = Scale(c, 1.18f);
            else if (inBlockY == 15 || inBlockX == 31)
                c = Scale(c, 0.72f);
            image.Set(x, y, c);
        }
}

// A sunken frame whose inside is left see-through.
void Window(Image& image, int x, int y, int w, int h, int border) {
    image.Bevel(x - border, y - border, w + 2 * border, h + 2 * border, border, kLight, kShadow,
                true);
    image.Clear(x, y, w, h);
}

// A sunken frame with a dark backing that something is drawn over later.
void Panel(Image& image, int x, int y, int w, int h, int border) {
    image.Fill(x, y, w, h, kInset);
    image.Bevel(x - border, y - border, w + 2 * border, h + 2 * border, border, kLight, kShadow,
                true);
}

void PaintCrossedSwords(Image& image, float cx, float cy) {
    for (int side = -1; side <= 1; side += 2) {
        float s = float(side);
        StrokeLine(image, cx - 15 * s, cy + 13, cx + 13 * s, cy - 13, 3.2f, kShadow);
        StrokeLine(image, cx - 12 * s, cy + 10, cx + 13 * s, cy - 13, 2.0f, Rgb(214, 220, 230));
        StrokeLine(image, cx - 14 * s, cy + 6, cx - 6 * s, cy + 14, 2.2f, kTrim);
        StrokeLine(image, cx - 16 * s, cy + 16, cx - 12 * s, cy + 12, 2.2f, Rgb(110, 70, 36));
    }
}

} // namespace

void WriteBackground(const std::string& dir, const GlyphRenderer& titleFont) {
    Image image(kWidth, kHeight);
    PaintStone(image);
    // A gold trim around the whole window.
    image.Bevel(0, 0, kWidth, kHeight, 2, kTrim, Scale(kTrim, 0.45f), false);

    // Battlefield: 16 x 16 tiles from (8, 8).
    Window(image, 8, 8, 256, 256, 3);
    // Message log: seven lines from y 271, 15 apart, each 16 high; long lines run far right.
    Window(image, 8, 270, 624, 110, 3);
    // The four fighter panels (272..471 x 8..113) and the command buttons below them.
    Panel(image, 270, 6, 204, 110, 2);
    image.BlendRect(371, 10, 1, 102, kShadow, 0.8f);
    image.BlendRect(274, 60, 196, 1, kShadow, 0.8f);
    Panel(image, 270, 121, 364, 144, 2);

    // Title plate.
    Panel(image, 480, 6, 152, 110, 2);
    const std::string title = "Vornak";
    int titleWidth = titleFont.TextWidth(title, 1, 0);
    int tx = 480 + (152 - titleWidth) / 2;
    titleFont.DrawText(image, title, tx + 2, 16 + 2, kShadow, 1, 0);
    titleFont.DrawText(image, title, tx, 16, kTrim, 1, 0);
    PaintCrossedSwords(image, 556.0f, 86.0f);

    // Two engraved lines across the stone of the bottom strip.
    image.BlendRect(8, 400, 624, 1, kShadow, 0.7f);
    image.BlendRect(8, 401, 624, 1, kLight, 0.4f);
    image.BlendRect(8, 462, 624, 1, kShadow, 0.7f);
    image.BlendRect(8, 463, 624, 1, kLight, 0.4f);

    image.WriteTGA(dir + "/images/background.tga");
}
