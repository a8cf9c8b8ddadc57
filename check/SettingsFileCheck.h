#pragma once

#include "engine/Setting.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CheckReport;

// What one key of a settings file holds.
struct KeyRule {
    const char* key;
    bool word;     // a text, such as a name, rather than a number
    bool required; // the game reads it, so leaving it out is a mistake
    bool judged = false; // the caller alone says what is wrong with the value
};

// The checks every settings file gets, reading it line by line with the game's own
// reader: the line form, unknown keys (with the nearest known one), repeated keys, keys
// left out, empty values, numbers where words belong and the reverse. What the file means
// (ranges, positions) is for the caller, who asks Table and LineOf.
class SettingsFileCheck {
public:
    SettingsFileCheck(CheckReport& report, const std::string& gamePath, std::vector<KeyRule> rules);

    // False when the file cannot be read, which is reported as an error.
    bool Run();

    const std::string& Path() const { return path_; } // as on disk
    const std::string& GamePath() const { return gamePath_; }
    const SettingsTable& Table() const { return table_; } // what the game reads
    // The line the game takes the key's value from; 0 when the file has none.
    int32_t LineOf(const std::string& key) const;
    // The key's number as the game reads it: 0 when the file has none.
    float Number(const std::string& key) const;
    // Whether the file gives the key a number in a well-formed line and Run found nothing
    // wrong with it; only then is there more to say about the value.
    bool HasNumber(const std::string& key) const;
    // "key = value" in quotes, the value as the game reads it.
    std::string Shown(const std::string& key) const;

private:
    struct Line;
    bool CheckForm(const Line& line);
    void CheckKey(const Line& line);
    void CheckMissing();
    const KeyRule* Rule(const std::string& key) const;

    CheckReport& report_;
    std::string gamePath_;
    std::string path_;
    std::vector<KeyRule> rules_;
    SettingsTable table_;
    std::map<std::string, int32_t> lines_;
    std::vector<std::string> meant_;  // keys of lines whose form is wrong
    std::vector<std::string> faulty_; // keys whose value Run reported
};

// The text in double quotes, with control characters written as escapes.
std::string Quoted(const std::string& text);
