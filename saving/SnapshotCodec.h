#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader;
class BattleState;
class ByteWriter;
class Fighter;
struct BattleSnapshot;

// A battle snapshot as bytes, for saves and replays. The fields are listed once, in
// SnapshotCodec.cpp, for writing and reading alike; a field added to the snapshot, a
// fighter or a marker must be added there (the codec's test compares the sizes).
//
// Reading checks every value that the game could not play with (a speed without a row in
// the phase table, a target or waiting fighter outside the list, a phase outside 1 to 12,
// an unknown outcome) and fails with the reason rather than hand it on.
class SnapshotCodec {
public:
    static void Write(ByteWriter& out, const BattleSnapshot& snapshot);
    static bool Read(ByteReader& in, BattleSnapshot& snapshot);

    // One fighter and the place of its target (-1 for none) in a list of `count`.
    static void WriteFighter(ByteWriter& out, const Fighter& fighter, int32_t target);
    static bool ReadFighter(ByteReader& in, Fighter& fighter, int32_t& target, std::size_t count);

    // A short digest of the battle's fighters alone: what replays compare phase by phase.
    static uint32_t FightersDigest(const BattleState& battle);
    // The place of `fighter` in the battle's list, -1 for none.
    static int32_t PlaceOf(const BattleState& battle, const Fighter* fighter);

    // FNV-1a, 64 bits: the checksum of saves and replays and the hash of fighter files.
    static uint64_t Hash(const std::string& bytes, uint64_t hash = 14695981039346656037ull);
};
