#include "simulate/BattleRandom.h"

namespace {

constexpr uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ull;

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

} // namespace

void BattleRandom::Reseed(uint64_t seed, uint64_t battle) {
    // Mix is one-to-one, so no two battles of a run share a starting state.
    state_ = Mix(Mix(seed) ^ battle);
}

int BattleRandom::Next() {
    state_ += kGoldenGamma;
    return static_cast<int>(Mix(state_) >> 33);
}
