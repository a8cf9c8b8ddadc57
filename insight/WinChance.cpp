#include "insight/WinChance.h"

#include "rules/BattleOutcome.h"
#include "snapshot/ForwardPlay.h"

#include <cmath>

#include <pthread.h>

namespace {
// Rest after a chunk of battles, as a multiple of the time it took.
constexpr int kRestFactor = 3;
// The thread's own steady clock: the game's clock seam belongs to the frame loop.
using Steady = std::chrono::steady_clock;
} // namespace

WinChance::WinChance(int32_t battles) : battles_(battles), thread_([this] { Run(); }) {}

WinChance::~WinChance() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

uint64_t WinChance::Offer(BattleSnapshot snapshot) {
    snapshot.history.clear();
    auto offered = std::make_unique<BattleSnapshot>(std::move(snapshot));
    uint64_t number = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        pending_ = std::move(offered); // an older one still waiting is dropped
        number = pendingOffer_ = ++offers_;
    }
    wake_.notify_all();
    return number;
}

void WinChance::Hold(bool held) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (held_ == held) {
            return;
        }
        held_ = held;
    }
    wake_.notify_all();
}

WinChance::Estimate WinChance::Latest() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return latest_;
}

void WinChance::Forget() {
    const std::lock_guard<std::mutex> lock(mutex_);
    latest_ = {};
    firstShown_ = offers_ + 1;
}

int32_t WinChance::Measure(const BattleSnapshot& from, int32_t battles,
                           const std::function<bool()>& between) {
    ForwardPlay play;
    int32_t wins = 0;
    for (int32_t i = 0; i < battles; ++i) {
        wins += play.Play(from, kSeed, static_cast<uint64_t>(i), from.turn + kTurnsAhead).outcome ==
                BattleOutcome::Victory;
        if (between && (i + 1) % kChunk == 0 && i + 1 < battles && !between()) {
            break;
        }
    }
    return static_cast<int32_t>(std::lround(100.0 * wins / std::max(battles, 1)));
}

bool WinChance::Rest() {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, (Steady::now() - chunkStart_) * kRestFactor, [this] { return stopping_; });
    wake_.wait(lock, [this] { return stopping_ || !held_; });
    chunkStart_ = Steady::now();
    return !stopping_;
}

void WinChance::Run() {
    pthread_setname_np(pthread_self(), "win chance");
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_ != nullptr; });
        if (stopping_) {
            return;
        }
        const std::unique_ptr<BattleSnapshot> from = std::move(pending_);
        const uint64_t offer = pendingOffer_;
        chunkStart_ = Steady::now();
        lock.unlock();
        const int32_t percent = Measure(*from, battles_, [this] { return Rest(); });
        lock.lock();
        if (offer >= firstShown_ && !stopping_) {
            latest_ = {percent, offer};
        }
    }
}
