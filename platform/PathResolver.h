#pragma once

#include <string>

// Turns the game's own paths ("Data\engine.cfg", "NPCs\fighter1.cfg") into paths on this
// disk: backslashes become slashes and, where a name does not exist as written, each
// component is matched case-insensitively within its folder. Every file the game opens
// goes through here. Found paths are remembered, so a file is looked up on disk once.
class PathResolver {
public:
    // The real path when one exists; otherwise the path with slashes (and the components
    // that were found), so that opening it fails in the ordinary way.
    static std::string Resolve(const std::string& gamePath);

    // Forgets remembered paths (tests that change directories or create files).
    static void ClearCache();
};
