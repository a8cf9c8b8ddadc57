#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/assetgen/AssetGen.h"

// The command buttons: their sheet (four pictures each) and the layout file that places
// them in two columns under the fighter panels. Again (8) shows only once a battle is over,
// beside Quit, with Battles (9) right above it in the place of Shoot once.
namespace {

constexpr int kOriginX = 272;
constexpr int kOriginY = 126;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 24;
constexpr int kColumnStep = 182;
constexpr int kRowStep = 32;

struct Button {
    int id;
    const char* label;
    int column;
    int row;
};

const Button kButtons[] = {
    {1, "Move", 0, 0},        {2, "Hold", 1, 0},
    {3, "Strike once", 0, 1}, {4, "Strike until dead", 1, 1},
    {5, "Shoot once", 0, 2},  {6, "Shoot until dead", 1, 2},
    {7, "Quit", 1, 3},        {8, "Again", 0, 3},
    {9, "Battles", 0, 2},
};

enum class Look { Normal, Hover, Pressed, Inactive };

void PaintButton(Image& sheet, int left, int top, const std::string& label, Look look, bool warn,
                 const GameFont& font) {
    const int w = kButtonWidth, h = kButtonHeight;
    Colour upper = warn ? Rgb(140, 52, 44) : Rgb(66, 86, 120);
    Colour lower = warn ? Rgb(92, 30, 26) : Rgb(38, 50, 76);
    Colour text = Rgb(236, 232, 218);
    if (look == Look::Hover) {
        upper = Scale(upper, 1.3f);
        lower = Scale(lower, 1.3f);
        text = Rgb(255, 222, 110);
    } else if (look == Look::Pressed) {
        upper = Scale(upper, 0.7f);
        lower = Scale(lower, 0.8f);
        text = Rgb(255, 222, 110);
    } else if (look == Look::Inactive) {
        upper = Rgb(74, 74, 76);
        lower = Rgb(56, 56, 58);
        text = Rgb(128, 128, 128);
    }
    for (int y = 0; y < h; ++y) {
        // Pressed buttons are lit from below, so their gradient runs the other way.
        float t = y / float(h - 1);
        Colour row = look == Look::Pressed ? Mix(lower, upper, t) : Mix(upper, lower, t);
        sheet.Fill(left, top + y, w, 1, row);
    }
    sheet.Bevel(left, top, w, h, 1, Rgb(10, 10, 12), Rgb(10, 10, 12), false);
    if (look != Look::Inactive)
        sheet.Bevel(left + 1, top + 1, w - 2, h - 2, 2, Rgb(255, 255, 255, 0.45f),
                    Rgb(0, 0, 0, 0.55f), look == Look::Pressed);
    int shift = look == Look::Pressed ? 1 : 0;
    int x = left + (w - font.Width(label)) / 2 + shift;
    int y = top + (h - 16) / 2 + 1 + shift;
    if (look != Look::Inactive)
        font.Draw(sheet, label, x + 1, y + 1, Rgb(0, 0, 0, 0.7f));
    font.Draw(sheet, label, x, y, text);
}

} // namespace

void WriteInterface(const std::string& dir, const GameFont& font) {
    Image sheet(512, 512);
    std::ostringstream layout;
    layout << "images\\interface.tga\n" << kOriginX << " " << kOriginY << "\n";
    int blockTop = 0;
    for (const Button& button : kButtons) {
        if (font.Width(button.label) > kButtonWidth - 8)
            throw std::runtime_error(std::string("button label too long: ") + button.label);
        bool warn = button.id == 7;
        PaintButton(sheet, 0, blockTop, button.label, Look::Normal, warn, font);
        PaintButton(sheet, kButtonWidth, blockTop, button.label, Look::Hover, warn, font);
        PaintButton(sheet, 0, blockTop + kButtonHeight, button.label, Look::Pressed, warn, font);
        PaintButton(sheet, kButtonWidth, blockTop + kButtonHeight, button.label, Look::Inactive,
                    warn, font);
        // id enabled sourceX sourceY x y width height
        layout << button.id << " 1 0 " << blockTop << " " << button.column * kColumnStep << " "
               << button.row * kRowStep << " " << kButtonWidth << " " << kButtonHeight << "\n";
        blockTop += 2 * kButtonHeight;
    }
    sheet.WriteTGA(dir + "/images/interface.tga");
    std::ofstream out(dir + "/data/maininterface.txt", std::ios::binary);
    out << layout.str();
    if (!out)
        throw std::runtime_error("cannot write the interface layout");
}
