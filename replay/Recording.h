#pragma once

#include "rules/BattleOutcome.h"
#include "snapshot/BattleSnapshot.h"

#include <cstdint>
#include <string>
#include <vector>

class ByteReader;
class ByteWriter;

// A battle as a replay holds it: where it started and, step by step, what the game cannot
// work out again by itself — every order given (the player's and the computer's alike, as
// the fighter stood once it had it) and the dice each phase drew. A digest of the fighters
// after each phase lets a replay played on name the first phase that went another way.
// Frame timing is not part of it: a decision may take any number of frames.
struct Recording {
    struct Step {
        enum class Kind : uint8_t { Phase = 0, Order = 1 };
        Kind kind = Kind::Phase;
        std::vector<int32_t> dice; // Phase: the values drawn, in order
        uint32_t digest = 0;       // Phase: SnapshotCodec::FightersDigest after it
        int32_t place = -1;        // Order: the fighter given it
        int32_t target = -1;       // Order: its target's place
        Fighter fighter;           // Order: the fighter with its order; settings left behind
    };

    std::string battle; // which battle: empty for the game folder's own fighters
    BattleSnapshot start;
    std::vector<Step> steps;
    BattleOutcome outcome = BattleOutcome::Undecided; // as the battle ended
    int32_t turns = 0;

    void Write(ByteWriter& out) const;
    bool Read(ByteReader& in); // checks every place against the start's fighters
};
