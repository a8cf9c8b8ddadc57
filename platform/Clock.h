#pragma once

#include <cstdint>
#include <functional>

// The game's one seam for time. Game code reads time only through here, so a test can
// fix it: Ticks() is SDL's millisecond count since start-up (pacing, the rings' pulse,
// the run log), SystemMilliseconds() a wall clock used to seed the random generator.
class Clock {
public:
    using Source = std::function<uint32_t()>;

    static uint32_t Ticks();
    static uint32_t SystemMilliseconds();
    // Gives the processor back for about a millisecond.
    static void Nap();

    // Tests: replace either source (an empty function keeps the real one).
    static void Override(Source ticks, Source systemMilliseconds = {});
    static void Restore();
};
