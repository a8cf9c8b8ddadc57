#pragma once

#include "replay/Recording.h"
#include "scenarios/BattleFolder.h"
#include "snapshot/BattleSnapshot.h"

#include <cstdint>
#include <string>

// What a save file holds: which battle it is (its folder as BattleFolder names it, empty for
// the game folder's own fighters), a hash of the fighter files it was read from, the
// battle itself and its recording so far, so that the replay of a resumed battle is whole.
struct SaveGame {
    std::string battle;
    uint64_t fighterFiles = 0;
    BattleSnapshot snapshot;
    Recording recording;

    std::string Encode() const; // sealed with version and checksum
    // False with the reason when the bytes are not a whole, sound save of this version.
    static bool Decode(const std::string& bytes, SaveGame& save, std::string& reason);

    // The hash of the fighter files `battle` reads now (a missing file hashes as empty).
    static uint64_t FighterFilesHash(const BattleFolder& battle);
};
