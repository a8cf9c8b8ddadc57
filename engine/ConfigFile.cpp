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

void ReadLine(ConfigLine& line) {
    const std::string& text = line.text;
    const std::size_t equals = text.find('=');
    line.hasEquals = equals != std::string::npos;
    if (!line.hasEquals) {
        return;
    }
    // The blanks around '=' are dropped unread, whatever they are.
    line.key = equals == 0 ? text : text.substr(0, equals - 1);
    // A line ending in '=' has no value position; it reads as an empty value.
    line.value = equals + 2 <= text.size() ? text.substr(equals + 2) : std::string();

    if (IsNumberText(line.value)) {
        line.setting.kind = 1;
        line.setting.number = static_cast<float>(std::atof(line.value.c_str()));
    } else {
        line.setting.kind = 0;
        line.setting.text = line.value;
    }
}

} // namespace

void ConfigFile::VisitLines(const std::string& contents,
                            const std::function<void(ConfigLine& line)>& visit) {
    std::size_t start = 0;
    for (int32_t number = 1;; ++number) {
        std::size_t end = contents.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) {
            end = contents.size();
        }
        std::size_t lineEnd = end;
        if (!last && lineEnd > start && contents[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        ConfigLine line;
        line.number = number;
        line.text = contents.substr(start, lineEnd - start);
        ReadLine(line);
        visit(line);
        if (last) {
            break;
        }
        start = end + 1;
    }
}

void ConfigFile::Parse(SettingsTable& table, const std::string& contents) {
    table.clear();
    VisitLines(contents, [&table](ConfigLine& line) {
        if (line.hasEquals) {
            table.emplace(std::move(line.key), std::move(line.setting)); // the first one wins
        }
    });
}

void ConfigFile::Load(SettingsTable& table, std::string path) {
    std::string contents;
    if (!FileReader::ReadAll(path, contents)) {
        throw GameError(FileReader::OpenFailure(path));
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
