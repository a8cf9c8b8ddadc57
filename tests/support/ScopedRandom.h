#pragma once

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <vector>

// Scripts the values rand returns for one test. Drawing past the script is a test
// failure, so a test also proves how many values the code drew.
class ScopedRandom {
public:
    explicit ScopedRandom(std::deque<int> script = {}) : values(std::move(script)) {
        Random::Override(
            [this] {
                if (values.empty()) {
                    ADD_FAILURE() << "rand drawn more often than scripted";
                    return 0;
                }
                const int value = values.front();
                values.pop_front();
                return value;
            },
            [this](uint32_t seed) { seeds.push_back(seed); });
    }
    ~ScopedRandom() { Random::Restore(); }

    std::deque<int> values;
    std::vector<uint32_t> seeds;
};
