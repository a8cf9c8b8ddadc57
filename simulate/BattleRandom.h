#pragma once

#include <cstdint>

// The simulator's own random numbers: battle `battle` of a run seeded with `seed` draws
// the same sequence on every machine, thread and standard library, which rand does not
// promise. SplitMix64, stepped and mixed; values are 0 to 2^31 - 1 like glibc's rand.
class BattleRandom {
public:
    void Reseed(uint64_t seed, uint64_t battle);
    int Next();

private:
    uint64_t state_ = 0;
};
