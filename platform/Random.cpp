#include "platform/Random.h"

#include <cstdlib>

namespace {

// Per thread, so that headless battles on several threads each draw from their own
// generator; the game and its tests run on one thread and see no difference.
std::function<int()>& NextSource() {
    static thread_local std::function<int()> source;
    return source;
}

std::function<void(uint32_t)>& SeedSink() {
    static thread_local std::function<void(uint32_t)> sink;
    return sink;
}

std::function<void(int)>& Listener() {
    static thread_local std::function<void(int)> listener;
    return listener;
}

} // namespace

int Random::Next() {
    if (NextSource()) {
        return NextSource()();
    }
    const int value = std::rand();
    if (Listener()) {
        Listener()(value);
    }
    return value;
}

void Random::Listen(std::function<void(int)> listener) {
    Listener() = std::move(listener);
}

void Random::Seed(uint32_t seed) {
    if (SeedSink()) {
        SeedSink()(seed);
    } else if (!NextSource()) {
        std::srand(seed);
    }
}

void Random::Override(std::function<int()> next, std::function<void(uint32_t)> seed) {
    NextSource() = std::move(next);
    SeedSink() = std::move(seed);
}

void Random::Restore() {
    NextSource() = nullptr;
    SeedSink() = nullptr;
}

Random::Scoped::Scoped(std::function<int()> next, std::function<void(uint32_t)> seed)
    : previousNext_(std::move(NextSource())), previousSeed_(std::move(SeedSink())) {
    Override(std::move(next), std::move(seed));
}

Random::Scoped::~Scoped() {
    Override(std::move(previousNext_), std::move(previousSeed_));
}
