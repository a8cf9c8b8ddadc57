#pragma once

#include "platform/Clock.h"

#include <cstdint>

// Fixes the clocks for one test: `now` is what SDL ticks and the system clock read, and
// the fine clock reads it in microseconds. Sleeps take no time; `slept` adds them up.
class ScopedClock {
public:
    explicit ScopedClock(uint32_t start = 0) : now(start) {
        Clock::Override([this] { return now; }, [this] { return now; });
        Clock::OverrideFine([this] { return uint64_t{now} * 1000u; },
                            [this](uint64_t microseconds) { slept += microseconds; });
    }
    ~ScopedClock() { Clock::Restore(); }

    uint32_t now;
    uint64_t slept = 0; // microseconds
};
