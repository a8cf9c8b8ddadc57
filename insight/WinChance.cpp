#include "insight/WinChance.h"

#include "rules/BattleOutcome.h"
#include "snapshot/ForwardPlay.h"

#include <cmath>

namespace {
// Rest after a chunk of battles, as a multiple of the time it took.
constexpr int kRestFactor = 3;
// The thread's own steady clock: the game's clock seam belongs to the frame loop.
using Steady = std::chrono::steady_clock;
} // namespace

WinChance::WinChance(int32_t battles)
    : battles_(battles), thread_("win chance", [this](const BattleSnapshot& from) {
          chunkStart_ = Steady::now();
          return Measure(from, battles_, [this] { return Rest(); });
      }) {}

uint64_t WinChance::Offer(BattleSnapshot snapshot) {
    snapshot.history.clear();
    return thread_.Ask(std::move(snapshot)); // an older one still waiting is dropped
}

WinChance::Estimate WinChance::Latest() const {
    const auto kept = thread_.Latest();
    return kept ? Estimate{kept->first, kept->second} : Estimate{};
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
    const bool going = thread_.Rest((Steady::now() - chunkStart_) * kRestFactor);
    chunkStart_ = Steady::now();
    return going;
}
