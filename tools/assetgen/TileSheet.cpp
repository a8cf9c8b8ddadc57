#include <cmath>

#include "tools/assetgen/AssetGen.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Shapes.h"

// The tile sheet: ground, the two sides' fighters, the order ring, the flying marker, the
// panel icons and the two bars, each in the cell the game cuts it from.
namespace {

// A knight with a shield on his left and a sword raised on his right. Team 2 wears horns.
const char* const kKnight[16] = {
    "................", //
    "......oooo......", //
    ".....ohhhHo..o..", //
    ".....ovvvvo.owo.", //
    ".....ohhhHo.owo.", //
    "......oHHo..owo.", //
    ".ooooobbbBooowo.", //
    ".oSSSobbbBoogggo", //
    ".oSeSobbbBsssfo.", //
    ".oeeeobbbBoo.go.", //
    ".oSeSoffffo.....", //
    "..oSSobbbbo.....", //
    "...ooobBBbo.....", //
    ".....oll.llo....", //
    ".....oll.llo....", //
    ".....fff.fff....", //
};

void PaintFighter(Image& sheet, int left, const Colour& main, const Colour& dark,
                  const Colour& shield, const Colour& emblem, const Colour& helmet, bool horns) {
    const PaletteEntry palette[] = {
        {'o', Rgb(20, 18, 22)},
        {'h', helmet},
        {'H', Scale(helmet, 0.7f)},
        {'v', Rgb(10, 10, 12)},
        {'b', main},
        {'B', dark},
        {'S', shield},
        {'e', emblem},
        {'w', Rgb(225, 230, 240)},
        {'g', Rgb(220, 180, 60)},
        {'s', Rgb(235, 190, 150)},
        {'f', Rgb(100, 62, 32)},
        {'l', Rgb(70, 70, 78)},
    };
    PaintMap(sheet, left, 0, kKnight, 16, palette, sizeof palette / sizeof palette[0]);
    if (horns) {
        Colour horn = Rgb(235, 225, 200);
        sheet.Set(left + 4, 1, horn);
        sheet.Set(left + 4, 2, horn);
        sheet.Set(left + 11, 1, horn);
        sheet.Set(left + 11, 2, horn);
        sheet.Set(left + 3, 0, horn);
        sheet.Set(left + 12, 0, horn);
    }
}

// Grass over earth, kept low in contrast so the small fighters stand out; the noise wraps
// every 16 pixels so the field has no seams.
void PaintGround(Image& sheet, int left, int top) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            float broad = Fractal(float(x), float(y), 8.0f, 3, 16, 11);
            float fine = Hash01(x, y, 29);
            Colour grass = Mix(Rgb(62, 94, 48), Rgb(82, 116, 58), broad);
            grass = Scale(grass, 0.93f + 0.1f * fine);
            // A few bare patches of earth where the broad noise runs low.
            float earth = Fractal(float(x), float(y), 16.0f, 2, 16, 47);
            if (earth < 0.33f)
                grass = Mix(grass, Rgb(100, 86, 60), (0.33f - earth) * 3.0f);
            sheet.Set(left + x, top + y, grass);
        }
    // Blades of grass: short darker and lighter strokes.
    SeededRandom random(5);
    for (int i = 0; i < 8; ++i) {
        int x = static_cast<int>(random.Unit() * 16);
        int y = static_cast<int>(random.Unit() * 15);
        Colour blade = (i % 2) ? Rgb(52, 80, 40) : Rgb(100, 136, 68);
        sheet.Set(left + x, top + y, blade);
        sheet.Set(left + x, top + (y + 1) % 16, Scale(blade, 0.95f));
    }
}

// White ring with soft edges, centred where a fighter's sprite centre falls.
void PaintRing(Image& sheet, int left, int top) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            float dx = x + 0.5f - 16.0f, dy = y + 0.5f - 16.0f;
            float r = std::sqrt(dx * dx + dy * dy);
            float edge = std::fabs(r - 12.5f);
            float alpha = std::fmax(0.0f, std::fmin(1.0f, 1.8f - edge)); // ~2.5 px band
            alpha = std::fmax(alpha, 0.35f * std::fmax(0.0f, 1.0f - std::fabs(r - 12.5f) / 3.5f));
            sheet.Set(left + x, top + y, Colour{1, 1, 1, alpha});
        }
}

// A glowing bolt of light; it flies in every direction, so it is round.
void PaintMarker(Image& sheet, int left, int top) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            float dx = x + 0.5f - 8.0f, dy = y + 0.5f - 8.0f;
            float r = std::sqrt(dx * dx + dy * dy);
            float glow = std::fmax(0.0f, 1.0f - r / 7.5f);
            Colour c = Mix(Rgb(255, 120, 30), Rgb(255, 250, 210), std::fmin(1.0f, glow * 1.6f));
            c.a = std::fmin(1.0f, glow * glow * 2.2f);
            sheet.Set(left + x, top + y, c);
        }
}

void PaintMeleeIcon(Image& sheet, int left, int top) {
    StrokeLine(sheet, left + 3.5f, top + 12.5f, left + 12.5f, top + 3.5f, 2.6f, Rgb(40, 40, 48));
    StrokeLine(sheet, left + 4.5f, top + 11.5f, left + 12.5f, top + 3.5f, 1.6f, Rgb(220, 226, 238));
    StrokeLine(sheet, left + 3.0f, top + 9.0f, left + 7.0f, top + 13.0f, 1.8f, Rgb(220, 180, 60));
    StrokeLine(sheet, left + 2.0f, top + 14.0f, left + 4.5f, top + 11.5f, 1.8f, Rgb(110, 70, 36));
}

void PaintSpeedIcon(Image& sheet, int left, int top) {
    // A boot with speed lines behind it.
    Colour leather = Rgb(150, 96, 50);
    FillShape(
        sheet, left, top, 16, 16,
        [=](float x, float y) {
            x -= left;
            y -= top;
            bool shaft = x >= 7.0f && x <= 11.0f && y >= 3.0f && y <= 12.0f;
            bool foot = x >= 7.0f && x <= 14.5f && y >= 9.0f && y <= 13.0f;
            return shaft || foot;
        },
        leather);
    sheet.BlendRect(left + 7, top + 12, 8, 1, Rgb(60, 40, 24));
    sheet.BlendRect(left + 7, top + 3, 5, 1, Rgb(200, 150, 90));
    Colour streak = Rgb(250, 230, 120);
    StrokeLine(sheet, left + 1.0f, top + 5.0f, left + 5.0f, top + 5.0f, 1.2f, streak);
    StrokeLine(sheet, left + 0.5f, top + 8.0f, left + 5.0f, top + 8.0f, 1.2f, streak);
    StrokeLine(sheet, left + 1.0f, top + 11.0f, left + 5.0f, top + 11.0f, 1.2f, streak);
}

void PaintMissileIcon(Image& sheet, int left, int top) {
    // A bow bent to the left with its string, and an arrow nocked across it.
    auto limb = [=](float x, float y, float grow) {
        float dx = x - (left + 12.0f), dy = y - (top + 8.0f);
        float r = std::sqrt(dx * dx + dy * dy);
        return r >= 7.2f - grow && r <= 9.2f + grow && dx < -2.5f;
    };
    FillShape(
        sheet, left, top, 16, 16, [=](float x, float y) { return limb(x, y, 0.6f); },
        Rgb(50, 30, 14));
    FillShape(
        sheet, left, top, 16, 16, [=](float x, float y) { return limb(x, y, 0.0f); },
        Rgb(196, 140, 74));
    StrokeLine(sheet, left + 7.5f, top + 1.5f, left + 7.5f, top + 14.5f, 0.8f, Rgb(240, 240, 230));
    StrokeLine(sheet, left + 1.0f, top + 8.0f, left + 12.0f, top + 8.0f, 1.3f, Rgb(150, 105, 60));
    FillShape(
        sheet, left, top, 16, 16,
        [=](float x, float y) {
            x -= left;
            y -= top;
            return x >= 11.0f && x <= 15.5f && std::fabs(y - 8.0f) <= (15.5f - x) * 0.55f;
        },
        Rgb(225, 230, 240));
    StrokeLine(sheet, left + 0.5f, top + 6.0f, left + 2.5f, top + 8.0f, 1.1f, Rgb(210, 60, 50));
    StrokeLine(sheet, left + 0.5f, top + 10.0f, left + 2.5f, top + 8.0f, 1.1f, Rgb(210, 60, 50));
}

void PaintHeartIcon(Image& sheet, int left, int top) {
    auto heart = [=](float x, float y) {
        float u = (x - (left + 8.0f)) / 6.5f;
        float v = -(y - (top + 7.5f)) / 6.5f;
        float a = u * u + v * v - 1.0f;
        return a * a * a - u * u * v * v * v <= 0.0f;
    };
    FillShape(sheet, left, top, 16, 16, heart, Rgb(90, 10, 16));
    FillShape(
        sheet, left, top, 16, 16,
        [=](float x, float y) { return heart(x + 0.7f, y + 0.9f) && heart(x - 0.7f, y - 0.2f); },
        Rgb(215, 38, 48));
    FillDisc(sheet, left + 5.0f, top + 5.5f, 1.3f, Rgb(255, 190, 190, 0.9f));
}

// The band over the battlefield that announces the end of a battle: dark and see-through,
// framed in gold, with room for two lines of text.
void PaintBanner(Image& sheet, int left, int top, int width, int height) {
    for (int y = 0; y < height; ++y) {
        float t = y / float(height - 1);
        sheet.Fill(left, top + y, width, 1, Mix(Rgb(28, 30, 44, 0.88f), Rgb(10, 10, 16, 0.88f), t));
    }
    sheet.Bevel(left, top, width, height, 1, Rgb(0, 0, 0), Rgb(0, 0, 0), false);
    sheet.Bevel(left + 2, top + 2, width - 4, height - 4, 1, Rgb(236, 196, 92), Rgb(150, 110, 40),
                false);
}

} // namespace

Image PaintTileSheet() {
    Image sheet(256, 256);
    PaintFighter(sheet, 0, Rgb(58, 98, 196), Rgb(30, 54, 128), Rgb(92, 140, 228), Rgb(235, 200, 70),
                 Rgb(190, 198, 212), false);
    PaintFighter(sheet, 80, Rgb(188, 40, 36), Rgb(108, 20, 18), Rgb(214, 72, 56), Rgb(30, 26, 26),
                 Rgb(120, 112, 108), true);
    PaintGround(sheet, 0, 16);
    PaintRing(sheet, 0, 32);
    PaintMeleeIcon(sheet, 0, 240);
    PaintSpeedIcon(sheet, 16, 240);
    PaintMissileIcon(sheet, 32, 240);
    PaintHeartIcon(sheet, 48, 240);
    PaintMarker(sheet, 64, 240);
    PaintBanner(sheet, 0, 64, 200, 52);
    for (int x = 0; x < 16; ++x) {
        // Bars brighten slightly to the right so a short bar still reads as a bar.
        float t = x / 15.0f;
        sheet.Set(240 + x, 240, Mix(Rgb(230, 150, 20), Rgb(255, 215, 70), t));
        sheet.Set(240 + x, 254, Mix(Rgb(40, 180, 50), Rgb(110, 240, 100), t));
    }
    return sheet;
}

void WriteTiles(const std::string& dir) {
    PaintTileSheet().WriteTGA(dir + "/images/vntiles.tga");
}
