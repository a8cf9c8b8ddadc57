#include "scenarios/PlayerRecord.h"

#include "platform/AtomicFile.h"
#include "platform/FileReader.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>

namespace {

std::string Clean(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

std::string Line(const PlayerRecord::Entry& entry) {
    return Clean(entry.battle) + '\t' + (entry.won ? "victory" : "defeat") + '\t' +
           std::to_string(entry.turns) + '\t' + Clean(entry.date) + '\n';
}

bool Parse(const std::string& line, PlayerRecord::Entry& entry) {
    std::istringstream fields(line);
    std::string outcome, turns;
    if (!std::getline(fields, entry.battle, '\t') || !std::getline(fields, outcome, '\t') ||
        !std::getline(fields, turns, '\t') || !std::getline(fields, entry.date) ||
        entry.battle.empty() || (outcome != "victory" && outcome != "defeat") || turns.empty() ||
        turns.find_first_not_of("0123456789") != std::string::npos || turns.size() > 9) {
        return false;
    }
    entry.won = outcome == "victory";
    entry.turns = std::atoi(turns.c_str());
    return true;
}

} // namespace

std::vector<PlayerRecord::Entry> PlayerRecord::Read(const std::string& path) {
    std::vector<Entry> entries;
    std::string bytes;
    if (!FileReader::ReadAll(path, bytes)) {
        return entries;
    }
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        Entry entry;
        if (!lines.eof() && Parse(line, entry)) { // a last line without its end is torn
            entries.push_back(entry);
        }
    }
    return entries;
}

bool PlayerRecord::Append(const Entry& entry, const std::string& path) {
    std::string bytes;
    for (const Entry& old : Read(path)) {
        bytes += Line(old);
    }
    return AtomicFile::Write(path, bytes + Line(entry));
}

std::map<std::string, PlayerRecord::Summary>
PlayerRecord::Summarise(const std::vector<Entry>& entries) {
    std::map<std::string, Summary> summaries;
    for (const Entry& entry : entries) {
        Summary& summary = summaries[entry.battle];
        ++summary.fought;
        if (entry.won) {
            ++summary.won;
            if (summary.fewestTurns == 0 || entry.turns < summary.fewestTurns) {
                summary.fewestTurns = entry.turns;
            }
        }
    }
    return summaries;
}

std::string PlayerRecord::Describe(const Summary& summary) {
    if (summary.fought == 0) {
        return "Not fought yet";
    }
    std::string text =
        "Fought " + std::to_string(summary.fought) + ", won " + std::to_string(summary.won);
    if (summary.fewestTurns > 0) {
        text += ", best " + std::to_string(summary.fewestTurns) + " turns";
    }
    return text;
}

std::string PlayerRecord::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts);
    return text;
}
