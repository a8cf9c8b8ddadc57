#pragma once

#include "platform/Clock.h"

#include <cstdint>

// Fixes both clocks for one test: `now` is what SDL ticks and the system clock read.
class ScopedClock {
public:
    explicit ScopedClock(uint32_t start = 0) : now(start) {
        Clock::Override([this] { return now; }, [this] { return now; });
    }
    ~ScopedClock() { Clock::Restore(); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    uint32_t now;
};
