#include "platform/Clock.h"

#include <SDL.h>

#include <ctime>

namespace {

struct Sources {
    Clock::Source ticks;
    Clock::Source system;
    Clock::FineSource fine;
    Clock::Sleeper sleep;
};

Sources& Overrides() {
    static Sources sources;
    return sources;
}

uint64_t Read(clockid_t clock, uint64_t unitsPerSecond) {
    timespec now;
    clock_gettime(clock, &now);
    return static_cast<uint64_t>(now.tv_sec) * unitsPerSecond +
           static_cast<uint64_t>(now.tv_nsec) / (1000000000u / unitsPerSecond);
}

} // namespace

uint32_t Clock::Ticks() {
    return Overrides().ticks ? Overrides().ticks() : SDL_GetTicks();
}

uint32_t Clock::SystemMilliseconds() {
    return Overrides().system ? Overrides().system()
                              : static_cast<uint32_t>(Read(CLOCK_REALTIME, 1000u));
}

uint64_t Clock::Microseconds() {
    return Overrides().fine ? Overrides().fine() : Read(CLOCK_MONOTONIC, 1000000u);
}

void Clock::Sleep(uint64_t microseconds) {
    if (Overrides().sleep) {
        Overrides().sleep(microseconds);
        return;
    }
    timespec pause;
    pause.tv_sec = static_cast<time_t>(microseconds / 1000000u);
    pause.tv_nsec = static_cast<long>(microseconds % 1000000u) * 1000;
    nanosleep(&pause, nullptr);
}

void Clock::Override(Source ticks, Source systemMilliseconds) {
    Overrides().ticks = std::move(ticks);
    Overrides().system = std::move(systemMilliseconds);
}

void Clock::OverrideFine(FineSource microseconds, Sleeper sleep) {
    Overrides().fine = std::move(microseconds);
    Overrides().sleep = std::move(sleep);
}

void Clock::Restore() {
    Overrides() = Sources();
}
