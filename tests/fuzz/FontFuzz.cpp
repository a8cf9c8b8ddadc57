// Any bytes as a font description, then the text drawn with the widths it gave: parsing
// must finish, and drawing with hostile widths must neither overflow nor index outside
// the glyph tables.
#include "graphics/Font.h"
#include "tests/support/RecordingVideo.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Font font;
    std::string sheetPath;
    Font::ParseDescription(text, sheetPath, font.glyphWidth, font.glyphX);
    // The input doubles as the line drawn, bytes above 127 and control codes included.
    RecordingVideo video;
    gVideo = &video;
    font.sheet.width = size > 0 ? static_cast<float>(data[0]) * 300.0f : 0.0f;
    font.DrawText(text.substr(0, 64), 2147483000, -5, 1.0f, 1.0f, 1.0f);
    gVideo = nullptr;
    return 0;
}
