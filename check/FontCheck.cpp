#include "check/FontCheck.h"

#include "battle/GameFiles.h"
#include "check/CheckReport.h"
#include "check/PictureCheck.h"
#include "check/SettingsFileCheck.h"
#include "graphics/Font.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

#include <algorithm>

namespace {

int32_t LineAt(const std::string& text, std::size_t offset) {
    return 1 + static_cast<int32_t>(
                   std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

std::string Glyph(int32_t code) {
    return Quoted(std::string(1, static_cast<char>(code)));
}

} // namespace

bool FontCheck::Run(CheckReport& report, int32_t (&widths)[256]) {
    const std::string path = PathResolver::Resolve(GameFiles::kFont);
    std::string text;
    if (!FileReader::ReadAll(GameFiles::kFont, text)) {
        // The game then looks for a sheet with no name.
        report.Error(path, 0,
                     "cannot be read: the game stops at start with " +
                         Quoted(FileReader::OpenFailure("")));
        return false;
    }
    report.FileRead(path);

    std::string sheetPath;
    int32_t xs[256];
    std::size_t stoppedAt = 0;
    const bool complete = Font::ParseDescription(text, sheetPath, widths, xs, &stoppedAt);
    if (!complete) {
        report.Error(path, LineAt(text, stoppedAt),
                     "the description stops here: the game wants the sheet's name, then 256 "
                     "glyph widths and 256 x positions, all whole numbers, and reads every one "
                     "missing as 0, which draws nothing");
    }

    int64_t needWidth = 0;
    int64_t needHeight = 0;
    for (int32_t code = 0; code < 256; ++code) {
        if (!Font::HasGlyph(code)) {
            continue;
        }
        const int32_t i = code - 33;
        if (widths[i] < 0 || xs[i] < 0) {
            report.Error(path, 0,
                         "the glyph of " + Glyph(code) + " has width " + std::to_string(widths[i]) +
                             " at x " + std::to_string(xs[i]) +
                             ": widths and positions are 0 or more");
            continue;
        }
        needWidth = std::max<int64_t>(needWidth, int64_t{xs[i]} + widths[i]);
        needHeight = std::max<int64_t>(needHeight, int64_t{i + 1} * Font::kGlyphHeight);
    }

    int32_t width = 0, height = 0;
    if (PictureCheck::Read(report, sheetPath, width, height, path, 1)) {
        PictureCheck::Holds(report, sheetPath, width, height, needWidth, needHeight,
                            "the glyphs that " + path + " places");
    }
    return complete;
}
