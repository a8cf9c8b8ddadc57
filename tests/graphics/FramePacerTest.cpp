#include "graphics/FramePacer.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

// The fine clock in microseconds, moved by hand; a sleep takes what it asks plus `late`.
struct FakeTime {
    FakeTime() {
        Clock::OverrideFine([this] { return now; },
                            [this](uint64_t microseconds) {
                                slept = microseconds;
                                now += microseconds + late;
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
    uint64_t now = 5000000, late = 0, slept = 0;
};

// A swap that did not wait is followed by the rest of the period; 144 frames at 144 Hz
// take one second whatever they cost, even when every sleep wakes 2 ms late: the next
// frame makes it good.
TEST(FramePacer, FramesKeepTheDisplaysRate) {
    FakeTime time;
    FramePacer pacer(0.0); // the display's rate unknown: 60 Hz
    const struct {
        uint64_t work, nap;
    } frames[] = {
        {500, 0},      // the first frame has nothing to be paced against
        {0, 16667},    // a swap that returns at once
        {4000, 12667}, //
        {40000, 0},    // a slow frame
        {16000, 0},    // vsync on a display a little faster than 60 Hz
        {1000, 15667},
    };
    for (const auto& frame : frames) {
        EXPECT_EQ(frame.nap, time.Frame(pacer, frame.work)) << "after " << frame.work;
    }

    FramePacer fast(144.0);
    time.Frame(fast, 0);
    const uint64_t start = time.now;
    time.late = 2000;
    for (int frame = 0; frame < 144; ++frame) {
        time.Frame(fast, 700);
    }
    EXPECT_NEAR(1e6, static_cast<double>(time.now - start), 2200.0);
}

} // namespace
