#pragma once

#include "battle/Fighter.h"

#include <cstdint>
#include <vector>

class HeadlessBattle;

// One set of fighters weighed while a battle is tuned, and team 1's win or loss in each of
// the simulator's battles of seed 1 it has played so far, from the first on. Every
// candidate plays the same battles, so two are compared battle for battle.
class TuningCandidate {
public:
    static constexpr int32_t kTurnLimit = 500; // the simulator's default

    TuningCandidate() = default;
    explicit TuningCandidate(std::vector<Fighter> fighters, std::vector<bool> won = {})
        : fighters(std::move(fighters)), won(std::move(won)) {}

    int64_t Played() const { return static_cast<int64_t>(won.size()); }
    int64_t WinsIn(int64_t battles) const;
    double Rate() const;
    // Plays on to `battles` in all; returns how many it played now.
    int64_t PlayTo(int64_t battles);
    // Whether team 1 wins battle `index` of the series every candidate plays.
    static bool Team1Won(HeadlessBattle& battle, int64_t index);
    // On the same battles a candidate's difference from a reference played longer is
    // known far better than its own rate: the reference's rate, moved by that difference.
    // Against a reference played no longer, its own rate.
    double Estimate(const TuningCandidate& reference) const;

    std::vector<Fighter> fighters;
    std::vector<bool> won;
};
