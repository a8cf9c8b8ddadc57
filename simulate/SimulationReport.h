#pragma once

#include "simulate/Simulation.h"

#include <cstdint>
#include <string>
#include <vector>

// A finished run written out for people (a table), for programs (JSON) or for a
// spreadsheet (CSV, one row per fighter). Kills and damage are per battle on average.
class SimulationReport {
public:
    struct FighterInfo {
        std::string file; // as on disk, relative to the game folder
        std::string name;
        int32_t team = 0;
    };

    SimulationOptions options;
    SimulationTotals totals;
    std::vector<FighterInfo> fighters;
    int32_t othersTeam = 2; // the lowest team number outside team 1, to label that side

    std::string Text() const;
    std::string Json() const;
    std::string Csv() const;

    // The 95 % Wilson score interval of `wins` out of `battles`.
    static void WilsonInterval(int64_t wins, int64_t battles, double& low, double& high);
};
