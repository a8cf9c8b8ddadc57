#pragma once

#include <string>

// Every file the game reads, as the game names them (PathResolver finds them on disk).
// One list, so that the game and `vornak check` can never disagree about what is read.
namespace GameFiles {

constexpr char kSettings[] = "Data\\engine.cfg";
constexpr char kLayout[] = "data\\maininterface.txt";
constexpr char kFont[] = "data\\kestfont.txt";
constexpr char kBackground[] = "images\\background.tga";
constexpr char kTiles[] = "images\\vntiles.tga";
constexpr char kMusic[] = "Music\\Ashen Tide.mp3";
constexpr char kSwordHit[] = "Sounds\\sword_hit.wav";
constexpr char kArrowFire[] = "Sounds\\arrow_fire.wav";
constexpr char kArrowHit[] = "Sounds\\arrow_hit.wav";

constexpr int kFighterCount = 8;

// "NPCs\fighter1.cfg" for n = 1, up to kFighterCount; inside `folder` when one is given
// (a battle folder: "battles/ridge/NPCs/fighter1.cfg", as a player would write it).
inline std::string FighterFile(int n, const std::string& folder = "") {
    const std::string name = "fighter" + std::to_string(n) + ".cfg";
    return folder.empty() ? "NPCs\\" + name : folder + "/NPCs/" + name;
}

} // namespace GameFiles
