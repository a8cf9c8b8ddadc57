#pragma once

#include "simulate/HeadlessBattle.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class Fighter;

struct SimulationOptions {
    int64_t battles = 1000;
    uint64_t seed = 1;
    int32_t jobs = 1;
    int32_t turnLimit = 500;
    bool team1Plans = false; // the planner decides for team 1 instead of the rule
    bool othersPlan = false; // and for the fighters outside it
};

// Everything a run found, as whole numbers, so that its sum is the same in any order.
struct SimulationTotals {
    int64_t battles = 0;
    int64_t team1Wins = 0;
    int64_t othersWins = 0;
    int64_t draws = 0;
    std::map<int32_t, int64_t> battlesByTurns;
    std::vector<FighterTally> fighters; // in load order

    void Add(const SimulationTotals& other);
    double MeanTurns() const;
    double MedianTurns() const;
};

// Plays options.battles headless battles on options.jobs threads. Battle i depends only on
// the seed and i, and the totals are sums, so the result is the same for any number of
// jobs. `progress` (optional) is called on the calling thread about ten times a second
// with the number of battles finished, and once at the end.
class Simulation {
public:
    static SimulationTotals Run(const std::vector<Fighter>& fighters,
                                const SimulationOptions& options,
                                const std::function<void(int64_t done)>& progress = {});
};
