#include "graphics/Font.h"

#include "engine/NumberConversion.h"
#include "graphics/VideoSystem.h"
#include "platform/FileReader.h"

#include <algorithm>
#include <sstream>

namespace {

bool ReadTable(std::istringstream& in, int32_t (&table)[256], std::size_t* stoppedAt) {
    for (int32_t& entry : table) {
        int32_t value = 0;
        in >> std::ws;
        const std::streamoff at = in.tellg();
        if (!(in >> value)) {
            if (stoppedAt != nullptr) {
                *stoppedAt = at < 0 ? in.str().size() : static_cast<std::size_t>(at);
            }
            return false;
        }
        entry = value;
    }
    return true;
}

} // namespace

bool Font::ParseDescription(const std::string& text, std::string& sheetPath, int32_t (&widths)[256],
                            int32_t (&xs)[256], std::size_t* stoppedAt) {
    std::fill(std::begin(widths), std::end(widths), 0);
    std::fill(std::begin(xs), std::end(xs), 0);
    sheetPath.clear();
    std::istringstream in(text);
    if (!(in >> sheetPath)) {
        if (stoppedAt != nullptr) {
            *stoppedAt = text.size();
        }
        return false;
    }
    return ReadTable(in, widths, stoppedAt) && ReadTable(in, xs, stoppedAt);
}

void Font::Init(std::string path) {
    // An unreadable description leaves no sheet path, and loading "" fails with its own text.
    std::string text;
    if (!FileReader::ReadAll(path, text)) {
        text.clear();
    }
    std::string sheetPath;
    ParseDescription(text, sheetPath, glyphWidth, glyphX);
    sheet = gVideo->LoadTGA(sheetPath);
}

void Font::DrawChar(int32_t x, int32_t y, int32_t code, float red, float green, float blue) {
    if (!HasGlyph(code)) {
        return;
    }
    const int32_t i = code - 33;
    gVideo->DrawSpriteRegion(sheet, static_cast<float>(glyphX[i]),
                             static_cast<float>(i * kGlyphHeight),
                             static_cast<float>(glyphWidth[i]), static_cast<float>(kGlyphHeight), x,
                             y, red, green, blue, 1.0f);
}

int64_t Font::Advance(int64_t pen, char ch) const {
    const int32_t code = static_cast<signed char>(ch);
    if (HasGlyph(code)) {
        return ClampToInt32(pen + int64_t{glyphWidth[code - 33]} + kGap);
    }
    // Half the sheet, with no gap of its own.
    return TruncateToInt(static_cast<double>(sheet.width) * 0.5 + static_cast<double>(pen));
}

void Font::DrawText(std::string text, int32_t x, int32_t y, float red, float green, float blue) {
    // Wide enough that no width from the file can overflow; clamped back after each step.
    int64_t pen = 0;
    for (const char ch : text) {
        DrawChar(ClampToInt32(x + pen), y, static_cast<signed char>(ch), red, green, blue);
        pen = Advance(pen, ch);
    }
}

int32_t Font::TextWidth(const std::string& text) const {
    int64_t pen = 0;
    for (const char ch : text) {
        pen = Advance(pen, ch);
    }
    return ClampToInt32(pen);
}
