#include "graphics/FramePacer.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// The fine clock in microseconds, moved by hand; a sleep wakes 2 ms late.
struct FakeTime {
    FakeTime() {
        Clock::OverrideFine([this] { return now; },
                            [this](uint64_t microseconds) {
                                slept = microseconds;
                                now += microseconds + 2000;
                            });
    }
    ~FakeTime() { Clock::Restore(); }
    // A frame whose swap comes `work` after the last one ended; what the pacer slept.
    uint64_t Frame(FramePacer& pacer, uint64_t work) {
        slept = 0;
        now += work;
        pacer.AfterSwap();
        return slept;
    }
    uint64_t now = 5000000, slept = 0;
};

// A swap that did not wait is followed by the rest of the period; a late wake-up is made
// good by the next frame, so the rate holds.
TEST(FramePacer, FramesKeepTheDisplaysRate) {
    FakeTime time;
    FramePacer pacer(0.0); // the display's rate unknown: 60 Hz
    const std::pair<uint64_t, uint64_t> frames[] = {
        {500, 0},      // the first frame has nothing to be paced against
        {0, 16667},    // a swap that returns at once
        {4000, 10667}, // the late wake-up made good
        {40000, 0},    // a slow frame
        {16000, 0},    // vsync on a display a little faster than 60 Hz
        {1000, 15667},
    };
    for (auto [work, nap] : frames) {
        EXPECT_EQ(nap, time.Frame(pacer, work)) << "after " << work;
    }
    FramePacer fast(144.0);
    time.Frame(fast, 0);
    EXPECT_EQ(6944u, time.Frame(fast, 0));
}

} // namespace
