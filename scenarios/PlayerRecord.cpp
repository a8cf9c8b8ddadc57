#include "scenarios/PlayerRecord.h"

#include "platform/FileReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>

namespace {

long stopAfter = -1;

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

// The bytes beside `path`, flushed to the disk, then renamed over it.
bool WriteWhole(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    std::size_t size = bytes.size();
    if (stopAfter >= 0) {
        size = std::min(size, static_cast<std::size_t>(stopAfter));
    }
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes.data() + written, size - written);
        if (n <= 0) {
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (stopAfter >= 0) { // killed here: the temporary stays as it is
        stopAfter = -1;
        ::close(fd);
        return false;
    }
    const bool whole = written == bytes.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !whole || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

void PlayerRecord::StopAfterForTesting(long bytes) {
    stopAfter = bytes;
}

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
    return WriteWhole(path, bytes + Line(entry));
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
