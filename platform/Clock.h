#pragma once

#include <cstdint>
#include <functional>

// The game's one seam for time. Game code reads time and sleeps only through here, so a
// test can fix it: Ticks() is SDL's millisecond count since start-up (pacing, the rings'
// pulse, the run log), SystemMilliseconds() a wall clock used to seed the random
// generator, Microseconds() a steady clock fine enough to pace frames at the display's
// rate.
class Clock {
public:
    using Source = std::function<uint32_t()>;
    using FineSource = std::function<uint64_t()>;
    using Sleeper = std::function<void(uint64_t microseconds)>;

    static uint32_t Ticks();
    static uint32_t SystemMilliseconds();
    static uint64_t Microseconds();
    // Gives the processor back for about this long.
    static void Sleep(uint64_t microseconds);

    // Tests: replace either source (an empty function keeps the real one).
    static void Override(Source ticks, Source systemMilliseconds = {});
    // Tests: replace the fine clock and the sleep, which then need not take any time.
    static void OverrideFine(FineSource microseconds, Sleeper sleep);
    static void Restore();
};
