#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/assetgen/AssetGen.h"

namespace {
constexpr int kFirst = 33;
constexpr int kLast = 126;
constexpr int kBand = 16;
constexpr int kSheetHeight = 1536; // 94 bands of 16 rows, padded
} // namespace

void WriteFont(const std::string& dir, const GameFont& font) {
    // White glyphs whose alpha is the coverage: the game tints them with the text colour.
    Image sheet(font.sheetWidth, kSheetHeight);
    sheet.Fill(0, 0, sheet.Width(), sheet.Height(), Colour{1, 1, 1, 0});
    int widths[256] = {};
    for (int code = kFirst; code <= kLast; ++code) {
        Glyph glyph = font.glyphs.Render(static_cast<unsigned char>(code));
        if (glyph.width > font.sheetWidth)
            throw std::runtime_error("glyph " + std::to_string(code) + " is wider than the sheet");
        int top = (code - kFirst) * kBand;
        for (int y = 0; y < kBand; ++y)
            for (int x = 0; x < glyph.width; ++x)
                sheet.Set(
                    x, top + y,
                    Colour{1, 1, 1, glyph.coverage[static_cast<size_t>(y) * glyph.width + x]});
        widths[code - kFirst] = glyph.width;
    }
    sheet.WriteTGA(dir + "/images/kestfont.tga");

    // Every glyph starts at the sheet's left edge, so all x positions are 0.
    std::ostringstream text;
    text << "images\\kestfont.tga\n";
    for (int i = 0; i < 256; ++i)
        text << widths[i] << ((i % 16 == 15) ? "\n" : " ");
    for (int i = 0; i < 256; ++i)
        text << 0 << ((i % 16 == 15) ? "\n" : " ");
    std::ofstream out(dir + "/data/kestfont.txt", std::ios::binary);
    out << text.str();
    if (!out)
        throw std::runtime_error("cannot write the font description");
}
