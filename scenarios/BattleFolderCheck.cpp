#include "scenarios/BattleFolderCheck.h"

#include "battle/GameFiles.h"
#include "check/CheckReport.h"
#include "check/FighterFilesCheck.h"
#include "check/PictureCheck.h"
#include "check/SettingsFileCheck.h"
#include "platform/PathResolver.h"
#include "scenarios/BattleFolder.h"
#include "scenarios/GroundSheets.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

std::string BattleFolderCheck::Run(CheckReport& report, const std::string& folder,
                                   const int32_t* glyphWidths) {
    std::vector<KeyRule> rules;
    for (const char* key : BattleFolder::kKeys) {
        rules.push_back({key, true, std::string(key) != "ground"});
    }
    BattleFolder place;
    place.folder = folder;
    SettingsFileCheck file(report, folder.empty() ? "battle.cfg" : place.SettingsFile(), rules);
    std::string ground;
    if (file.Run()) {
        const auto found = file.Table().find("ground");
        ground = found == file.Table().end() ? "" : found->second.text;
        const std::string refusal = BattleFolder::GroundRefusal(ground, file.GamePath());
        if (!refusal.empty()) {
            report.Error(file.Path(), file.LineOf("ground"),
                         file.Shown("ground") + ": the game refuses it and stops with " +
                             Quoted(refusal));
            ground.clear();
        }
    }
    FighterFilesCheck::Run(report, glyphWidths, folder);
    return ground;
}

void BattleFolderCheck::RunAll(CheckReport& report, const int32_t* glyphWidths) {
    std::set<std::string> names, grounds;
    std::error_code error;
    for (fs::directory_iterator entry(PathResolver::Resolve("battles"), error), end;
         entry != end && !error; entry.increment(error)) {
        if (entry->is_directory(error)) {
            names.insert(entry->path().filename().string());
        }
    }
    for (const std::string& name : names) {
        const std::string ground = Run(report, "battles/" + name, glyphWidths);
        if (!ground.empty()) {
            grounds.insert(ground);
        }
    }
    for (const std::string& ground : grounds) {
        int32_t width = 0, height = 0;
        if (PictureCheck::Read(report, GroundSheets::File(ground), width, height)) {
            PictureCheck::Holds(report, GroundSheets::File(ground), width, height,
                                16 * GroundSheets::kVariants, 16,
                                "the " + ground + " ground's cells");
        }
    }
}

bool BattleFolderCheck::InBattleFolder() {
    std::error_code error;
    return fs::exists(PathResolver::Resolve("battle.cfg"), error) &&
           !fs::exists(PathResolver::Resolve(GameFiles::kSettings), error);
}
