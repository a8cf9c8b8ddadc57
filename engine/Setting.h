#pragma once

#include <cstdint>
#include <map>
#include <string>

// One value of a settings file: a number (kind 1) or a text (kind 0).
// Entries added by keyed access for a missing key read as kind 0, number 0.0, empty text.
struct Setting {
    int32_t kind = 0;
    float number = 0.0f;
    std::string text;
};

// Ordered byte-wise by key, as the run log lists it.
using SettingsTable = std::map<std::string, Setting>;
