#pragma once

#include "engine/Setting.h"

#include <cstdint>
#include <functional>
#include <string>

// One line of a settings file as the reader sees it.
struct ConfigLine {
    int32_t number = 0;     // counted from 1
    std::string text;       // the line without its end
    bool hasEquals = false; // a line without '=' is skipped; the fields below stay empty
    std::string key;
    std::string value; // the characters the setting was read from
    Setting setting;
};

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

    // Every line of `contents` in order, skipped ones included, read exactly as Parse reads
    // them (Parse is this with the table as the visitor). An empty text is one empty line.
    static void VisitLines(const std::string& contents,
                           const std::function<void(ConfigLine& line)>& visit);

    static void LogTable(SettingsTable table);
};
