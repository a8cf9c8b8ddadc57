#pragma once

#include "engine/Setting.h"

#include <string>

// Reads "key = value" settings files (the engine settings and every fighter file).
//
// The line form is exact: one character is dropped on each side of the first '=', and
// nothing else is trimmed, so "bpp=32" gives the key "bp" and the value "2". A value made
// only of "0123456789-." is a number read with atof; anything else is kept as text.
// The first line with a given key wins.
class ConfigFile {
public:
    // Throws GameError("Could not open " + path) when the file cannot be read; the table
    // is then left untouched. Lists what was read in the run log.
    static void Load(SettingsTable& table, std::string path);

    // The parsing half of Load, for text already in memory. Lines end at '\n'; a '\r'
    // right before it belongs to the line end, as in files written on Windows.
    static void Parse(SettingsTable& table, const std::string& contents);

    static void LogTable(SettingsTable table);
};
