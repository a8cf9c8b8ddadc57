#include "check/GameFolderCheck.h"

#include "battle/GameFiles.h"
#include "battle/TileSheet.h"
#include "check/CheckReport.h"
#include "check/FighterFilesCheck.h"
#include "check/FontCheck.h"
#include "check/KeptBattlesCheck.h"
#include "check/LayoutCheck.h"
#include "check/OptionsCheck.h"
#include "check/PictureCheck.h"
#include "check/SettingsFileCheck.h"
#include "check/SoundCheck.h"
#include "engine/GameError.h"
#include "engine/NumberConversion.h"
#include "graphics/WindowScale.h"
#include "platform/PathResolver.h"
#include "scenarios/BattleFolderCheck.h"

#include <algorithm>

namespace {

// Checks the settings; gives the window's size (0 when unknown).
void CheckSettings(CheckReport& report, int32_t& windowWidth, int32_t& windowHeight) {
    SettingsFileCheck file(report, GameFiles::kSettings,
                           {{"h_res", false, true},
                            {"v_res", false, true},
                            {"bpp", false, true},
                            {"full_screen", false, true},
                            {"use_opengl", false, true},
                            {"scale", false, false}});
    windowWidth = windowHeight = 0;
    if (!file.Run()) {
        return;
    }
    windowWidth = TruncateToInt(file.Number("h_res"));
    windowHeight = TruncateToInt(file.Number("v_res"));
    if (file.HasNumber("scale")) {
        try {
            WindowScale::FromSettings(file.Table(), GameFiles::kSettings);
        } catch (const GameError& refusal) {
            report.Error(file.Path(), file.LineOf("scale"),
                         file.Shown("scale") + ": the game refuses it and stops at start with " +
                             Quoted(refusal.what()));
        }
    }
}

void CheckPictures(CheckReport& report, int32_t windowWidth, int32_t windowHeight) {
    int32_t width = 0, height = 0;
    if (PictureCheck::Read(report, GameFiles::kBackground, width, height) &&
        (width < windowWidth || height < windowHeight)) {
        report.Warning(PathResolver::Resolve(GameFiles::kBackground), 0,
                       std::to_string(width) + " x " + std::to_string(height) +
                           " pixels is smaller than the " + std::to_string(windowWidth) + " x " +
                           std::to_string(windowHeight) +
                           " window of the settings: the game leaves the rest uncovered");
    }
    if (PictureCheck::Read(report, GameFiles::kTiles, width, height)) {
        float needWidth = 0.0f, needHeight = 0.0f;
        for (const TileCell& cell : kTileCells) {
            needWidth = std::max(needWidth, cell.x + cell.width);
            needHeight = std::max(needHeight, cell.y + cell.height);
        }
        PictureCheck::Holds(report, GameFiles::kTiles, width, height,
                            static_cast<int64_t>(needWidth), static_cast<int64_t>(needHeight),
                            "the ground, fighters, bars, rings, marker and icons");
    }
}

} // namespace

void GameFolderCheck::Run(CheckReport& report) {
    int32_t windowWidth = 0, windowHeight = 0;
    CheckSettings(report, windowWidth, windowHeight);
    LayoutCheck::Run(report);
    int32_t glyphWidths[256] = {};
    const bool font = FontCheck::Run(report, glyphWidths);
    FighterFilesCheck::Run(report, font ? glyphWidths : nullptr);
    CheckPictures(report, windowWidth, windowHeight);
    SoundCheck::Run(report);
    OptionsCheck::Run(report);
    BattleFolderCheck::RunAll(report, font ? glyphWidths : nullptr);
    KeptBattlesCheck::Run(report);
}
