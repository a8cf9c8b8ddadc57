#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The player's record: one line for every battle fought to its end (the battle, its
// outcome, the turns it took and the date), in record.txt of the player's folder (the
// game folder from a build tree). Every addition writes the whole file beside the old one
// and renames it over, so a crash or a full disk leaves the old record or the new one,
// never a torn one; a line that does not read (an older writer's, an edit) is skipped.
class PlayerRecord {
public:
    static constexpr char kFile[] = "record.txt";

    struct Entry {
        std::string battle; // BattleFolder::RecordName
        bool won = false;
        int32_t turns = 0;
        std::string date; // "2026-12-09 03:10", UTC
    };
    struct Summary {
        int32_t fought = 0;
        int32_t won = 0;
        int32_t fewestTurns = 0; // to a victory; 0 before the first
    };

    // The entries of `path` in order; none when it cannot be read.
    static std::vector<Entry> Read(const std::string& path = kFile);
    // Adds `entry` at the end; false when the file could not be replaced (it is untouched).
    static bool Append(const Entry& entry, const std::string& path = kFile);
    // Per battle name.
    static std::map<std::string, Summary> Summarise(const std::vector<Entry>& entries);
    // "Fought 3, won 2, best 14 turns", "Fought 1, won 0", "Not fought yet".
    static std::string Describe(const Summary& summary);
    // Now, as the record writes dates.
    static std::string Today();
};
