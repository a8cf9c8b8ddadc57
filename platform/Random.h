#pragma once

#include <cstdint>
#include <functional>

// The game's one seam for randomness: the standard library's rand and srand, which a
// test can replace with a scripted sequence. An override holds for the thread that sets it.
class Random {
public:
    static int Next();
    static void Seed(uint32_t seed);

    static void Override(std::function<int()> next, std::function<void(uint32_t)> seed = {});
    // Hears every value the thread's own generator draws (not an override's), e.g. to
    // record a battle's dice; an empty function stops it.
    static void Listen(std::function<void(int)> listener);
    static void Restore();

    // An override for as long as it lives; the thread's previous one (or none) comes back
    // at its end, so overrides nest.
    class Scoped {
    public:
        explicit Scoped(std::function<int()> next, std::function<void(uint32_t)> seed = {});
        ~Scoped();
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        std::function<int()> previousNext_;
        std::function<void(uint32_t)> previousSeed_;
    };
};
