#include "platform/Random.h"

#include <cstdlib>

namespace {

std::function<int()>& NextSource() {
    static std::function<int()> source;
    return source;
}

std::function<void(uint32_t)>& SeedSink() {
    static std::function<void(uint32_t)> sink;
    return sink;
}

} // namespace

int Random::Next() {
    return NextSource() ? NextSource()() : std::rand();
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
