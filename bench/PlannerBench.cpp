// The planner's decisions: processor time of each on the thread that makes it, over
// battles of the shipped fighters with the planner deciding for both sides.
#include "battle/Fighter.h"
#include "battle/GameFiles.h"
#include "bench/BenchEngine.h"
#include "planner/Planner.h"
#include "platform/PathResolver.h"
#include "simulate/HeadlessBattle.h"
#include "sound/SoundSystem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

std::vector<Fighter> ShippedFighters() {
    const char* dir = std::getenv("VORNAK_BENCH_GAME_DIR");
    if (chdir(dir ? dir : VORNAK_GAME_DIR) != 0) {
        throw std::runtime_error("cannot enter the game directory");
    }
    PathResolver::ClearCache();
    std::vector<Fighter> fighters(GameFiles::kFighterCount);
    for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
        fighters[n - 1].Init(GameFiles::FighterFile(n));
        fighters[n - 1].settings.clear();
    }
    return fighters;
}

void BM_PlannerDecision(benchmark::State& state) {
    NullSound silence;
    gSound = &silence;
    const std::vector<Fighter> fighters = ShippedFighters();
    std::vector<double> times;
    for (auto _ : state) {
        HeadlessBattle headless(fighters);
        Planner planner;
        const auto timed = [&](BattleState& battle) {
            const double start = ThreadMilliseconds();
            planner.DecideIn(battle);
            times.push_back(ThreadMilliseconds() - start);
        };
        headless.Player().SetTeam1Decider(timed);
        headless.Player().SetOthersDecider(timed);
        for (uint64_t i = 0; i < 40; ++i) {
            headless.Play(11, i, 500);
        }
    }
    gSound = nullptr;
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times.empty() ? 0.0 : times[static_cast<std::size_t>(share * (times.size() - 1))];
    };
    state.counters["decisions"] = static_cast<double>(times.size());
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
}
BENCHMARK(BM_PlannerDecision)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
