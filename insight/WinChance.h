#pragma once

#include "snapshot/BattleSnapshot.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

// Team 1's chance to win from the battle as it stands, measured by playing it forward
// many times with the game's own rules (ForwardPlay, the computer's rule on both sides)
// on a thread of its own, so that no frame ever waits for it.
//
// Offer hands over the newest state; a state offered while another is being played waits,
// and only the newest waiting one is played. The same state always gives the same figure
// (a fixed series of seeds). After each estimate the thread rests for a few times as long
// as it worked, so that a battle stepping fast leaves the game most of a core, and with
// nothing new it sleeps until something is offered. Destroying it stops and joins it.
class WinChance {
public:
    static constexpr int32_t kBattles = 1000;
    static constexpr int32_t kTurnLimit = 500;
    static constexpr uint64_t kSeed = 1;

    struct Estimate {
        int32_t percent = -1; // -1 until the first estimate
        uint64_t offer = 0;   // which offer it is for, counted from 1
    };

    explicit WinChance(int32_t battles = kBattles);
    ~WinChance();
    WinChance(const WinChance&) = delete;
    WinChance& operator=(const WinChance&) = delete;

    // Returns the offer's number. The history is not needed and is not kept.
    uint64_t Offer(BattleSnapshot snapshot);
    Estimate Latest() const;
    // Forgets the figure shown so far (a new battle starts).
    void Forget();

    // The estimate itself, on the calling thread: wins of team 1 in `battles` battles, in
    // percent rounded; 100 or 0 at once for a battle already decided, a draw counts as
    // no win.
    // A stop that becomes true ends it early with a figure of no meaning.
    static int32_t Measure(const BattleSnapshot& from, int32_t battles,
                           const std::atomic<bool>* stop = nullptr);

private:
    void Run();

    const int32_t battles_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::unique_ptr<BattleSnapshot> pending_;
    uint64_t offers_ = 0;
    uint64_t pendingOffer_ = 0;
    uint64_t firstShown_ = 0; // estimates of earlier offers are forgotten
    Estimate latest_;
    std::atomic<bool> stopping_{false};
    std::thread thread_; // last: started once everything above is ready
};
