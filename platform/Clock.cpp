#include "platform/Clock.h"

#include <SDL.h>

#include <ctime>

namespace {

Clock::Source& TicksSource() {
    static Clock::Source source;
    return source;
}

Clock::Source& SystemSource() {
    static Clock::Source source;
    return source;
}

} // namespace

uint32_t Clock::Ticks() {
    return TicksSource() ? TicksSource()() : SDL_GetTicks();
}

uint32_t Clock::SystemMilliseconds() {
    if (SystemSource()) {
        return SystemSource()();
    }
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void Clock::Nap() {
    timespec pause{0, 1000000};
    nanosleep(&pause, nullptr);
}

void Clock::Override(Source ticks, Source systemMilliseconds) {
    TicksSource() = std::move(ticks);
    SystemSource() = std::move(systemMilliseconds);
}

void Clock::Restore() {
    TicksSource() = nullptr;
    SystemSource() = nullptr;
}
