#include "graphics/FramePacer.h"

#include "platform/Clock.h"

namespace {

// Swaps that wait for a display a little faster than the rate we know of come back a
// little early; napping those few microseconds away would now and then push a frame past
// its refresh. Only a swap clearly shorter than the period is taken as one that did not
// wait.
constexpr uint64_t kWaitedShare = 9; // tenths of the period

} // namespace

FramePacer::FramePacer(double refreshRate) {
    const bool sensible = refreshRate >= 20.0 && refreshRate <= 1000.0;
    period_ = static_cast<uint64_t>(1e6 / (sensible ? refreshRate : kAssumedRate) + 0.5);
}

void FramePacer::AfterSwap() {
    const uint64_t now = Clock::Microseconds();
    const uint64_t since = now - lastSwap_;
    if (!started_ || since * 10 >= period_ * kWaitedShare) {
        started_ = true;
        lastSwap_ = now;
        return;
    }
    Clock::Sleep(period_ - since);
    // The next period starts where this one ends, not where the sleep happened to end,
    // so a late wake-up is made good in the next frame and the rate holds.
    lastSwap_ += period_;
}
