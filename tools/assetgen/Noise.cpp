#include "tools/assetgen/Noise.h"

#include <cmath>

uint32_t SeededRandom::Next() {
    // xorshift32: small, fast and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float SeededRandom::Unit() {
    return static_cast<float>(Next() >> 8) / 16777216.0f;
}

float Hash01(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffff) / 16777215.0f;
}

static int Wrap(int v, int period) {
    if (period <= 0)
        return v;
    int m = v % period;
    return m < 0 ? m + period : m;
}

float ValueNoise(float x, float y, float cell, int period, uint32_t seed) {
    float fx = x / cell;
    float fy = y / cell;
    int x0 = static_cast<int>(std::floor(fx));
    int y0 = static_cast<int>(std::floor(fy));
    float tx = fx - x0;
    float ty = fy - y0;
    // Smoothstep between lattice points hides the grid.
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    int cells = period > 0 ? static_cast<int>(std::lround(period / cell)) : 0;
    int xa = Wrap(x0, cells), xb = Wrap(x0 + 1, cells);
    int ya = Wrap(y0, cells), yb = Wrap(y0 + 1, cells);
    float top = Hash01(xa, ya, seed) + (Hash01(xb, ya, seed) - Hash01(xa, ya, seed)) * tx;
    float bottom = Hash01(xa, yb, seed) + (Hash01(xb, yb, seed) - Hash01(xa, yb, seed)) * tx;
    return top + (bottom - top) * ty;
}

float Fractal(float x, float y, float cell, int octaves, int period, uint32_t seed) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int o = 0; o < octaves && cell >= 1.0f; ++o) {
        sum += ValueNoise(x, y, cell, period, seed + o * 101u) * weight;
        total += weight;
        weight *= 0.5f;
        cell *= 0.5f;
    }
    return total > 0.0f ? sum / total : 0.5f;
}
