#pragma once

#include <cstdint>

// Deterministic randomness for the art and the sounds: the same seed gives the same bytes
// on every build, whatever the C library's rand does.
class SeededRandom {
public:
    explicit SeededRandom(uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t Next();
    // Uniform in [0, 1).
    float Unit();
    // Uniform in [-1, 1).
    float Signed() { return Unit() * 2.0f - 1.0f; }

private:
    uint32_t state_;
};

// Smooth value noise in [0, 1] over a lattice of the given cell size. With period > 0 the
// pattern repeats every `period` pixels on both axes, so a tile made from it has no seams.
float ValueNoise(float x, float y, float cell, int period, uint32_t seed);

// A few octaves of ValueNoise added up, still in [0, 1].
float Fractal(float x, float y, float cell, int octaves, int period, uint32_t seed);

// Hash of a lattice point, in [0, 1].
float Hash01(int x, int y, uint32_t seed);
