#pragma once

#include <cstdint>
#include <string>

class CheckReport;

// `vornak check` for battle folders: battle.cfg's keys and ground, the eight fighter files
// with every check the game folder's own get, and the ground sheets the battles ask for.
class BattleFolderCheck {
public:
    // Every folder under battles/ of the working directory, in name order.
    static void RunAll(CheckReport& report, const int32_t* glyphWidths);
    // The battle folder `folder` (a game path; empty for the working directory itself).
    // Gives the ground it asks for, empty for none or a refused one.
    static std::string Run(CheckReport& report, const std::string& folder,
                           const int32_t* glyphWidths);
    // Whether the working directory is a battle folder rather than a game folder.
    static bool InBattleFolder();
};
