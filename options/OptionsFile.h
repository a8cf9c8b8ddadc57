#pragma once

#include "options/Options.h"

#include <string>

// options.cfg in the game folder (the player's own when installed), read with the game's
// settings reader and written whole whenever a setting changes, beside its place and
// renamed over it. Data\engine.cfg is never written.
class OptionsFile {
public:
    static constexpr char kPath[] = "options.cfg";

    // The defaults when the file is missing or unreadable; a bad value keeps its default.
    static Options Load();
    // False, with a line on standard error, when the file could not be replaced; the game
    // goes on with the options it has.
    static bool Save(const Options& options);
};
