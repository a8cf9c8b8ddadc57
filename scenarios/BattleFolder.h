#pragma once

#include <string>

// Which battle is fought: the eight fighter files of the game folder, as the game always
// read them, or those of a battle folder (battles/NAME/ holding battle.cfg and NPCs/). A
// plain value the battle is given: it reads its fighters through FighterFile, and whatever
// names a battle (a save, the record) takes `name` and `folder`.
struct BattleFolder {
    std::string name;   // the folder's own name; empty for the game folder's fighters
    std::string folder; // where it is, as the game names paths; empty for the game folder
    std::string title;  // the name when battle.cfg gives none
    std::string about;
    std::string ground; // one of kGrounds; empty for the tile sheet's own

    static constexpr const char* kGrounds[] = {"grass", "sand", "snow"};
    static constexpr const char* kKeys[] = {"title", "about", "ground"};

    bool IsGameFolder() const { return folder.empty(); }
    std::string FighterFile(int n) const;
    std::string SettingsFile() const { return folder + "/battle.cfg"; }
    // The name the record keeps: "." for the game folder's own fighters.
    std::string RecordName() const { return folder.empty() ? "." : name; }

    // Reads `folder`'s battle.cfg with the game's settings reader. Throws GameError naming
    // the file: "Could not open ..." when it cannot be read, or for a ground there is no
    // sheet of. The fighter files are read when the battle loads.
    static BattleFolder Read(const std::string& folder);
    // Why `ground` is refused, naming `file`; empty when it is one of kGrounds (or empty).
    static std::string GroundRefusal(const std::string& ground, const std::string& file);
};
