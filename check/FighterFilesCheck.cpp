#include "check/FighterFilesCheck.h"

#include "battle/Fighter.h"
#include "battle/GameFiles.h"
#include "check/CheckReport.h"
#include "check/SettingsFileCheck.h"
#include "engine/NumberConversion.h"
#include "graphics/Font.h"
#include "platform/PathResolver.h"
#include "rules/ComputerDecision.h"
#include "rules/Orders.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// One fighter file as the game reads it.
struct Loaded {
    std::unique_ptr<SettingsFileCheck> file;
    float x = 0.0f, y = 0.0f;
    int32_t team = 0;
    std::string name;
    bool placed = false; // both positions are ones the game accepts
};

std::vector<KeyRule> FighterRules() {
    std::vector<KeyRule> rules;
    for (const char* key : Fighter::kKeys) {
        rules.push_back({key, std::string(key) == Fighter::kNameKey, true});
    }
    return rules;
}

void CheckAlone(CheckReport& report, Loaded& fighter) {
    const SettingsFileCheck& file = *fighter.file;
    const std::string& path = file.Path();
    fighter.placed = file.HasNumber("posx") && file.HasNumber("posy");
    for (const Fighter::Limit* limit :
         {&Fighter::kSpeedLimit, &Fighter::kPosXLimit, &Fighter::kPosYLimit}) {
        const float value = file.Number(limit->key);
        if (!limit->valid(value)) {
            report.Error(path, file.LineOf(limit->key),
                         file.Shown(limit->key) +
                             ": the game refuses it and stops at start "
                             "with " +
                             Quoted(Fighter::Refusal(*limit, value, file.GamePath())));
            if (limit != &Fighter::kSpeedLimit) {
                fighter.placed = false;
            }
        }
    }
    for (const char* key : {Fighter::kPosXLimit.key, Fighter::kPosYLimit.key}) {
        const float value = file.Number(key);
        if (fighter.placed && file.HasNumber(key) &&
            (value < kFieldFirstPosition || value > kFieldLastPosition)) {
            report.Error(path, file.LineOf(key),
                         file.Shown(key) + " is off the battlefield: a whole fighter stands " +
                             "on it at " + std::to_string(int(kFieldFirstPosition)) + " to " +
                             std::to_string(int(kFieldLastPosition)) + " on both axes");
        }
    }

    const float speed = file.Number(Fighter::kSpeedLimit.key);
    if (file.HasNumber("speed") && Fighter::kSpeedLimit.valid(speed) && TruncateToInt(speed) == 0) {
        report.Warning(path, file.LineOf("speed"),
                       file.Shown("speed") + ": the fighter never acts");
    }
    if (file.HasNumber("health") && TruncateToInt(file.Number("health")) <= 0) {
        report.Warning(path, file.LineOf("health"),
                       file.Shown("health") +
                           ": the fighter starts with no hit points and dies at the first hit");
    }
    fighter.team = TruncateToInt(file.Number("team"));
    if (file.HasNumber("team") && fighter.team != 1 && fighter.team != 2) {
        report.Warning(path, file.LineOf("team"),
                       file.Shown("team") +
                           ": the game draws only teams 1 and 2, so this fighter fights unseen");
    }
    fighter.x = file.Number("posx");
    fighter.y = file.Number("posy");
    const auto name = file.Table().find(Fighter::kNameKey);
    fighter.name = name == file.Table().end() ? "" : name->second.text;
}

void CheckName(CheckReport& report, const Loaded& fighter, const int32_t* glyphWidths) {
    std::string missing;
    for (const char c : fighter.name) {
        const int32_t code = static_cast<signed char>(c); // as the font reads it
        if (c == ' ' || (Font::HasGlyph(code) && glyphWidths[code - 33] > 0)) {
            continue;
        }
        char shown[8];
        std::snprintf(shown, sizeof shown, Font::HasGlyph(code) ? "%c" : "\\x%02x",
                      static_cast<unsigned char>(c));
        missing += shown;
    }
    if (!missing.empty()) {
        report.Warning(fighter.file->Path(), fighter.file->LineOf(Fighter::kNameKey),
                       Quoted("name = " + fighter.name) + ": the font has no glyph for " +
                           Quoted(missing) + ", so the game draws nothing there");
    }
}

void CheckTogether(CheckReport& report, const std::vector<Loaded>& fighters,
                   const std::string& npcs) {
    for (std::size_t j = 0; j < fighters.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            const Loaded& a = fighters[i];
            const Loaded& b = fighters[j];
            if (!a.placed || !b.placed) {
                continue;
            }
            const float d = Distance(a.x, a.y, b.x, b.y);
            if (d < kBlockRadius) {
                char apart[32];
                std::snprintf(apart, sizeof apart, "%.1f", static_cast<double>(d));
                report.Error(b.file->Path(), b.file->LineOf("posx"),
                             "the fighter starts " + std::string(apart) + " px from " +
                                 a.file->Path() + ", closer than " +
                                 std::to_string(static_cast<int>(kBlockRadius)) +
                                 ": the rules refuse any step that keeps them that close (\"" +
                                 b.name + " is blocked.\")");
            }
        }
    }

    bool team1 = false, others = false;
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const Loaded& fighter = fighters[i];
        (fighter.team == 1 ? team1 : others) = true;
        const int32_t teamLine = fighter.file->LineOf("team");
        if (i < kComputerCandidates && fighter.team != 1) {
            report.Warning(fighter.file->Path(), teamLine,
                           "the computer attacks the first " + std::to_string(kComputerCandidates) +
                               " fighters whatever their team, so its own side attacks this "
                               "one; put team 1 in fighters 1 to 4");
        } else if (i >= kComputerCandidates && fighter.team == 1) {
            report.Warning(fighter.file->Path(), teamLine,
                           "the computer attacks only the first " +
                               std::to_string(kComputerCandidates) +
                               " fighters, so it never attacks this one of team 1");
        }
    }
    const std::string folder = PathResolver::Resolve(npcs);
    if (!team1) {
        report.Error(folder, 0, "no fighter is on team 1: the player has nobody to command");
    }
    if (!others) {
        report.Error(folder, 0, "every fighter is on team 1: the player has nobody to fight");
    }
}

} // namespace

void FighterFilesCheck::Run(CheckReport& report, const int32_t* glyphWidths,
                            const std::string& folder) {
    std::vector<Loaded> fighters;
    bool all = true;
    for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
        Loaded fighter;
        fighter.file = std::make_unique<SettingsFileCheck>(
            report, GameFiles::FighterFile(n, folder), FighterRules());
        if (!fighter.file->Run()) {
            all = false;
            continue;
        }
        CheckAlone(report, fighter);
        if (glyphWidths != nullptr) {
            CheckName(report, fighter, glyphWidths);
        }
        fighters.push_back(std::move(fighter));
    }
    // Which fighter is where in the list matters; with a file missing, the game stops.
    if (all) {
        CheckTogether(report, fighters, folder.empty() ? "NPCs" : folder + "/NPCs");
    }
}
