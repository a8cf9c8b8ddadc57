#pragma once

#include "battle/Fighter.h"

#include <cstdint>
#include <string>
#include <vector>

// Makes a new battle from a seed: a title and a line, eight named fighters with stats and
// starting places the check accepts, and a ground, tuned with the simulator until team 1's
// win rate under the computer's rule is near the difficulty's aim (70, 50 or 30 %). The
// same seed and difficulty give the same battle on every machine: the draws come from the
// simulator's own generator, the tuning plays the simulator's battles of seed 1.
class BattleGenerator {
public:
    enum class Difficulty { Easy, Normal, Hard };
    static constexpr const char* kDifficulties[] = {"easy", "normal", "hard"};
    static constexpr double kAims[] = {0.70, 0.50, 0.30};

    struct Battle {
        std::string title, about, ground;
        std::vector<Fighter> fighters; // in file order
        double winRate = 0.0;          // team 1's, as measured
        int64_t measured = 0;          // over this many battles
        int64_t played = 0;            // battles of the whole tuning
    };

    static bool ParseDifficulty(const std::string& text, Difficulty& difficulty);
    // `effort`: the percentage of the tuning's battles played; less is quicker and
    // further off the aim (tests).
    static Battle Make(uint64_t seed, Difficulty difficulty, int64_t effort = 100);
    // Team 1's wins in battles `from` to `to` - 1 of seed 1 (the simulator's default).
    static int64_t Team1Wins(const std::vector<Fighter>& fighters, int64_t from, int64_t to);

    // Writes battle.cfg and NPCs/fighter1.cfg ... into `folder` (made when missing);
    // false, with the reason, when a file could not be written.
    static bool Write(const Battle& battle, const std::string& folder, std::string& problem);
    // A fighter file's text, the keys in the shipped files' order.
    static std::string FighterText(const Fighter& fighter);
};
