#include <functional>

#include "tools/assetgen/AssetGen.h"
#include "tools/assetgen/Noise.h"

// The grounds a battle may choose, each a sheet of four 16 x 16 cells that the game lays
// side by side in any order: every cell shares one base that wraps every 16 pixels, so no
// seam shows between them, and the cells differ only in small things kept off the edges.
namespace {

struct Look {
    const char* name;
    Colour low, high; // the base's two ends
    float fine;       // pixel-to-pixel grain
    uint32_t seed;
    // Small things drawn into cell `variant` (1 to 3) of the sheet, inside x and y 2 to 13.
    std::function<void(Image&, int left, SeededRandom&)> details;
};

void Speck(Image& sheet, int x, int y, const Colour& colour) {
    sheet.Set(x, y, colour);
}

const Look kLooks[] = {
    {"grass", Rgb(54, 110, 44), Rgb(92, 150, 60), 0.12f, 61,
     [](Image& sheet, int left, SeededRandom& random) {
         // A few flowers and darker tufts.
         for (int i = 0; i < 3; ++i) {
             const int x = left + 2 + static_cast<int>(random.Unit() * 12);
             const int y = 2 + static_cast<int>(random.Unit() * 12);
             const Colour petal = i == 0 ? Rgb(236, 220, 90) : Rgb(230, 236, 240);
             Speck(sheet, x, y, petal);
             Speck(sheet, x + 1, y, Scale(petal, 0.85f));
             Speck(sheet, x, y + 1, Rgb(40, 84, 34));
         }
     }},
    {"sand", Rgb(196, 164, 104), Rgb(226, 198, 138), 0.06f, 67,
     [](Image& sheet, int left, SeededRandom& random) {
         // Wind ripples and a pebble.
         const int y = 3 + static_cast<int>(random.Unit() * 9);
         for (int x = 3; x < 13; ++x) {
             const int wave = (x / 3) % 2;
             Speck(sheet, left + x, y + wave, Rgb(176, 142, 88));
         }
         const int px = left + 3 + static_cast<int>(random.Unit() * 9);
         const int py = 2 + static_cast<int>(random.Unit() * 11);
         Speck(sheet, px, py, Rgb(128, 112, 96));
         Speck(sheet, px + 1, py, Rgb(150, 134, 116));
     }},
    {"snow", Rgb(206, 216, 232), Rgb(244, 248, 255), 0.05f, 71,
     [](Image& sheet, int left, SeededRandom& random) {
         // Blue hollows and a glint.
         for (int i = 0; i < 2; ++i) {
             const int x = left + 3 + static_cast<int>(random.Unit() * 9);
             const int y = 3 + static_cast<int>(random.Unit() * 9);
             Speck(sheet, x, y, Rgb(170, 186, 214));
             Speck(sheet, x + 1, y + 1, Rgb(184, 198, 224));
         }
         Speck(sheet, left + 2 + static_cast<int>(random.Unit() * 12),
               2 + static_cast<int>(random.Unit() * 12), Rgb(255, 255, 255));
     }},
};

} // namespace

void WriteGrounds(const std::string& dir) {
    for (const Look& look : kLooks) {
        Image sheet(64, 16);
        SeededRandom random(look.seed);
        for (int variant = 0; variant < 4; ++variant) {
            const int left = variant * 16;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const float broad = Fractal(float(x), float(y), 8.0f, 3, 16, look.seed);
                    const Colour base = Mix(look.low, look.high, broad);
                    sheet.Set(left + x, y,
                              Scale(base, 1.0f - look.fine / 2 + look.fine * Hash01(x, y, 3)));
                }
            if (variant > 0)
                look.details(sheet, left, random);
        }
        sheet.WriteTGA(dir + "/images/ground_" + look.name + ".tga");
    }
}
