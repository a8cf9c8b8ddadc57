#include "check/LayoutCheck.h"

#include "battle/GameFiles.h"
#include "check/CheckReport.h"
#include "check/PictureCheck.h"
#include "graphics/Interface.h"
#include "graphics/MainInterface.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

#include <algorithm>

namespace {

// The player's commands are the buttons' ids 1 to 6 (move, hold, two strikes, two shots).
constexpr int32_t kCommandIds[] = {1, 2, 3, 4, 5, 6, MainInterface::kQuitId};

} // namespace

void LayoutCheck::Run(CheckReport& report) {
    const std::string path = PathResolver::Resolve(GameFiles::kLayout);
    std::string text;
    if (!FileReader::ReadAll(GameFiles::kLayout, text)) {
        report.Error(path, 0,
                     "cannot be read: the game starts without its command buttons, so the "
                     "player can give no orders");
        return;
    }
    report.FileRead(path);

    std::string sheetPath;
    int32_t originX = 0, originY = 0;
    std::vector<InterfaceElement> elements;
    Interface::ParseLayout(text, sheetPath, originX, originY, elements);
    if (elements.empty()) {
        report.Error(path, 0,
                     "has no button: the game wants the sheet's name, the origin x and y, then "
                     "eight whole numbers per button (id, enabled, sheet x and y, x, y, width, "
                     "height)");
    }
    for (const int32_t id : kCommandIds) {
        const bool found = std::any_of(elements.begin(), elements.end(),
                                       [id](const InterfaceElement& e) { return e.id == id; });
        if (!found && !elements.empty()) {
            report.Warning(path, 0,
                           "no button with id " + std::to_string(id) +
                               (id == MainInterface::kQuitId
                                    ? ": the player can end the game only by closing the window"
                                    : ": the player cannot give that command"));
        }
    }

    int32_t width = 0, height = 0;
    if (!PictureCheck::Read(report, sheetPath, width, height, path, 1)) {
        return;
    }
    // Each button's four pictures: normal, under the pointer to its right, pressed below,
    // inactive below right.
    int64_t needWidth = 0, needHeight = 0;
    for (const InterfaceElement& element : elements) {
        if (element.sourceX < 0 || element.sourceY < 0 || element.width < 0 || element.height < 0) {
            report.Error(path, 0,
                         "the button with id " + std::to_string(element.id) +
                             " has a negative sheet position or size");
            continue;
        }
        needWidth = std::max(needWidth, int64_t{element.sourceX} + 2 * int64_t{element.width});
        needHeight = std::max(needHeight, int64_t{element.sourceY} + 2 * int64_t{element.height});
    }
    PictureCheck::Holds(report, sheetPath, width, height, needWidth, needHeight,
                        "the buttons' four pictures each that " + path + " places");
}
