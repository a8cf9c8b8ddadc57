#pragma once

#include "battle/BattleState.h"
#include "simulate/BattleRandom.h"

#include <cstdint>
#include <vector>

// What one fighter did, summed over the battles a HeadlessBattle has played.
struct FighterTally {
    int64_t kills = 0;
    int64_t damageDealt = 0; // hit points its hits took away
    int64_t damageTaken = 0;
    int64_t survived = 0; // battles it ended alive
};

enum class BattleWinner { Team1, Others, Draw };

struct BattleResult {
    BattleWinner winner = BattleWinner::Draw;
    int32_t turns = 0; // turns begun, at most the turn limit
};

// Plays computer-only battles with the game's own rules and nothing else: no drawing, no
// sound, no clock, and markers land the moment they are launched (their flight only
// delays the phases). The computer's rule decides for every fighter; team 1 has it
// mirrored, choosing among the fighters outside team 1 as the computer chooses among the
// first four.
//
// One per thread: it holds a battle record reused from battle to battle and installs its
// own generator in the Random seam of the thread that makes it, until it is destroyed.
// The rules play sounds through gSound, which must point at a SoundSystem (one that was
// never started plays nothing).
class HeadlessBattle {
public:
    // `fighters` are loaded records in load order; each battle starts from a copy.
    explicit HeadlessBattle(const std::vector<Fighter>& fighters);
    ~HeadlessBattle();
    HeadlessBattle(const HeadlessBattle&) = delete;
    HeadlessBattle& operator=(const HeadlessBattle&) = delete;

    // Battle `index` of a run seeded with `seed`, until one side is gone or `turnLimit`
    // turns have passed (a draw). Adds to Tallies().
    BattleResult Play(uint64_t seed, uint64_t index, int32_t turnLimit);

    // One per fighter, in load order.
    const std::vector<FighterTally>& Tallies() const { return tallies_; }

private:
    void Restart();
    void Decide();
    std::size_t IndexOf(const Fighter& fighter) const;

    const std::vector<Fighter>& fighters_;
    BattleState battle_;
    std::vector<Fighter*> outsideTeam1_; // team 1's candidates
    BattleRandom random_;
    std::vector<FighterTally> tallies_;
};
