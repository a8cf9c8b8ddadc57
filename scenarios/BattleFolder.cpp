#include "scenarios/BattleFolder.h"

#include "battle/GameFiles.h"
#include "engine/ConfigFile.h"
#include "engine/GameError.h"

namespace {

std::string Text(const SettingsTable& table, const char* key) {
    const auto found = table.find(key);
    return found == table.end() ? "" : found->second.text;
}

} // namespace

std::string BattleFolder::FighterFile(int n) const {
    return GameFiles::FighterFile(n, folder);
}

std::string BattleFolder::GroundRefusal(const std::string& ground, const std::string& file) {
    if (ground.empty()) {
        return "";
    }
    for (const char* known : kGrounds) {
        if (ground == known) {
            return "";
        }
    }
    return "Bad ground \"" + ground + "\" in " + file + " (must be grass, sand or snow)";
}

BattleFolder BattleFolder::Read(const std::string& folder) {
    BattleFolder battle;
    battle.folder = folder.substr(0, folder.find_last_not_of("/\\") + 1);
    const std::size_t cut = battle.folder.find_last_of("/\\");
    battle.name = battle.folder.substr(cut == std::string::npos ? 0 : cut + 1);

    SettingsTable table;
    ConfigFile::Load(table, battle.SettingsFile());
    battle.title = Text(table, "title");
    if (battle.title.empty()) {
        battle.title = battle.name;
    }
    battle.about = Text(table, "about");
    battle.ground = Text(table, "ground");
    const std::string refusal = GroundRefusal(battle.ground, battle.SettingsFile());
    if (!refusal.empty()) {
        throw GameError(refusal);
    }
    return battle;
}
