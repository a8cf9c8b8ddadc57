#include "engine/ConfigFile.h"

#include "engine/GameError.h"
#include "engine/RunLog.h"
#include "platform/FileReader.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool IsNumberText(const std::string& value) {
    return value.find_first_not_of("0123456789-.") == std::string::npos;
}

void ParseLine(SettingsTable& table, const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return;
    }
    // The blanks around '=' are dropped unread, whatever they are.
    const std::string key = equals == 0 ? line : line.substr(0, equals - 1);
    // A line ending in '=' has no value position; it reads as an empty value.
    const std::string value = equals + 2 <= line.size() ? line.substr(equals + 2) : std::string();

    Setting setting;
    if (IsNumberText(value)) {
        setting.kind = 1;
        setting.number = static_cast<float>(std::atof(value.c_str()));
    } else {
        setting.kind = 0;
        setting.text = value;
    }
    table.emplace(key, setting); // keeps the first value of a repeated key
}

} // namespace

void ConfigFile::Parse(SettingsTable& table, const std::string& contents) {
    table.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t end = contents.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) {
            end = contents.size();
        }
        std::size_t lineEnd = end;
        if (!last && lineEnd > start && contents[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        ParseLine(table, contents.substr(start, lineEnd - start));
        if (last) {
            break;
        }
        start = end + 1;
    }
}

void ConfigFile::Load(SettingsTable& table, std::string path) {
    std::string contents;
    if (!FileReader::ReadAll(path, contents)) {
        throw GameError("Could not open " + path);
    }
    Parse(table, contents);
    LogTable(table);
}

void ConfigFile::LogTable(SettingsTable table) {
    for (const auto& [key, setting] : table) {
        if (setting.kind == 1) {
            char number[64];
            std::snprintf(number, sizeof number, "%g", static_cast<double>(setting.number));
            RunLog::Write(key + " = " + number);
        } else {
            RunLog::Write(key + " = " + setting.text);
        }
    }
    RunLog::Write("Size of map: " + std::to_string(table.size()));
}
