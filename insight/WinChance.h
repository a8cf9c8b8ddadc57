#pragma once

#include "platform/NewestQuestionThread.h"
#include "snapshot/BattleSnapshot.h"

#include <chrono>
#include <cstdint>
#include <functional>

// Team 1's chance to win from the battle as it stands, measured by playing it forward
// many times with the game's own rules (ForwardPlay, the computer's rule on both sides)
// on a thread of its own, so that no frame ever waits for it.
//
// Offer hands over the newest state; a state offered while another is being played waits,
// and only the newest waiting one is played. The same state always gives the same figure
// (a fixed series of seeds). Between every few battles the thread rests for three times as
// long as they took, so that however fast the battle steps it takes at most a quarter of a
// core; with nothing new it sleeps until something is offered. Its name is "win chance",
// for whoever measures it; it starts with the first offer. Destroying it stops and joins it.
class WinChance {
public:
    static constexpr int32_t kBattles = 1000;
    // Turns played on beyond the present one; a battle still open then is no win.
    static constexpr int32_t kTurnsAhead = 200;
    static constexpr uint64_t kSeed = 1;

    struct Estimate {
        int32_t percent = -1; // -1 until the first estimate
        uint64_t offer = 0;   // which offer it is for, counted from 1
    };

    explicit WinChance(int32_t battles = kBattles);

    // Returns the offer's number. The history is not needed and is not kept.
    uint64_t Offer(BattleSnapshot snapshot);
    Estimate Latest() const;
    // While held, no battle is played past the chunk under way.
    void Hold(bool held) { thread_.Hold(held); }
    // Forgets the figure shown so far (a new battle starts).
    void Forget() { thread_.Forget(); }

    // The estimate itself, on the calling thread: wins of team 1 in `battles` battles, in
    // percent rounded (a draw is no win): 100 or 0 for a battle already decided, which
    // every play finds over at once.
    // `between`, when given, is called after every kChunk battles; false ends the estimate
    // early with a figure of no meaning.
    static constexpr int32_t kChunk = 50;
    static int32_t Measure(const BattleSnapshot& from, int32_t battles,
                           const std::function<bool()>& between = {});

private:
    bool Rest(); // after a chunk of battles: false when stopping

    const int32_t battles_;
    std::chrono::steady_clock::time_point chunkStart_;     // only the thread's
    NewestQuestionThread<BattleSnapshot, int32_t> thread_; // last: stopped before the rest goes
};
