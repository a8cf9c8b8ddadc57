#pragma once

#include "engine/Kernel.h"
#include "scenarios/BattleFolder.h"

#include <string>
#include <vector>

// The battles a player can choose: the folders under battles/ of the game folder (shipped)
// and, installed, of the player's own folder (theirs). A battle of the player's wins over a
// shipped one of the same name.
class BattleCatalog {
public:
    // Where battles are looked for, the shipped first: "battles" of the working directory
    // from a build tree; the installed data's and then the player's when installed.
    static std::vector<std::string> Roots();

    // Every battle under `roots` whose battle.cfg reads, sorted by folder name; a later
    // root's battle replaces an earlier one's of the same name. A broken one is left out
    // (`vornak check` names it).
    static std::vector<BattleFolder> List(const std::vector<std::string>& roots);

    // `nameOrPath`: a name, looked for under the roots from the last, or a path to a battle
    // folder (anything with a slash). Throws GameError naming the file that could not be
    // read, as a broken battle.cfg does.
    static BattleFolder Find(const std::string& nameOrPath, const std::vector<std::string>& roots);

    // The game's subsystems with the battle `nameOrPath` (`vornak --battle`) in place of
    // the game folder's fighters; it is looked for once the game folder is entered, and a
    // relative path is taken from the working directory of the command.
    static SubsystemFactory StartingWith(const std::string& nameOrPath);
};
