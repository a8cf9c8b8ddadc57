#pragma once

#include "insight/BattleCounts.h"
#include "snapshot/BattleSnapshot.h"
#include "snapshot/ForwardPlay.h"

#include <cstdint>
#include <vector>

// What one fighter did, summed over the battles a HeadlessBattle has played: each
// battle's own counts, as the game keeps them, and the battles it ended alive.
struct FighterTally : FighterCounts {
    int64_t survived = 0;

    using FighterCounts::operator+=;
    FighterTally& operator+=(const FighterTally& other) {
        FighterCounts::operator+=(other);
        survived += other.survived;
        return *this;
    }
};

enum class BattleWinner { Team1, Others, Draw };

struct BattleResult {
    BattleWinner winner = BattleWinner::Draw;
    int32_t turns = 0; // turns begun, at most the turn limit
};

// Plays computer-only battles from the start with the game's own rules, headless (see
// ForwardPlay, which plays them), and keeps each fighter's tally. The computer's rule
// decides for every fighter; team 1 has it mirrored.
//
// One per thread, as ForwardPlay.
class HeadlessBattle {
public:
    // `fighters` are loaded records in load order; each battle starts from a copy.
    explicit HeadlessBattle(const std::vector<Fighter>& fighters);
    HeadlessBattle(const HeadlessBattle&) = delete;
    HeadlessBattle& operator=(const HeadlessBattle&) = delete;

    // Battle `index` of a run seeded with `seed`, until one side is gone or `turnLimit`
    // turns have passed (a draw). Adds to Tallies().
    BattleResult Play(uint64_t seed, uint64_t index, int32_t turnLimit);

    // One per fighter, in load order.
    const std::vector<FighterTally>& Tallies() const { return tallies_; }

    // Who decides for each side (the rule when empty).
    ForwardPlay& Player() { return play_; }

private:
    BattleSnapshot start_;
    ForwardPlay play_;
    std::vector<FighterTally> tallies_;
};
