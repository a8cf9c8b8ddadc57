#pragma once

#include <cstdint>

// Keeps drawn frames to the display's rate where the driver does not: a swap that comes
// back sooner than one refresh period after the previous one did not wait for the display
// (software rendering, vsync forced off), so the pacer sleeps for the rest of the period.
// Where swaps do wait, they take about a period and it never sleeps. Time and sleep go
// through Clock.
class FramePacer {
public:
    static constexpr double kAssumedRate = 60.0; // Hz, when the display's is unknown

    // A rate that is not a sensible display rate (0 for unknown) means kAssumedRate.
    explicit FramePacer(double refreshRate = kAssumedRate);

    // Called right after every swap.
    void AfterSwap();

    uint64_t PeriodMicroseconds() const { return period_; }

private:
    uint64_t period_;
    uint64_t lastSwap_ = 0; // when the last frame's period began
    bool started_ = false;
};
