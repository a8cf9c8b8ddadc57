#include "simulate/Simulation.h"

#include "planner/Planner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Battles a thread claims at a time: few enough claims to cost nothing, small enough that
// the threads finish together.
constexpr int64_t kChunk = 64;

} // namespace

void SimulationTotals::Add(const SimulationTotals& other) {
    battles += other.battles;
    team1Wins += other.team1Wins;
    othersWins += other.othersWins;
    draws += other.draws;
    for (const auto& [turns, count] : other.battlesByTurns) {
        battlesByTurns[turns] += count;
    }
    fighters.resize(std::max(fighters.size(), other.fighters.size()));
    for (std::size_t i = 0; i < other.fighters.size(); ++i) {
        fighters[i] += other.fighters[i];
    }
}

double SimulationTotals::MeanTurns() const {
    int64_t sum = 0;
    for (const auto& [turns, count] : battlesByTurns) {
        sum += turns * count;
    }
    return battles > 0 ? static_cast<double>(sum) / static_cast<double>(battles) : 0.0;
}

double SimulationTotals::MedianTurns() const {
    if (battles == 0) {
        return 0.0;
    }
    // The middle battle in order of turns, or the mean of the middle two.
    const int64_t lower = (battles - 1) / 2;
    const int64_t upper = battles / 2;
    double lowerTurns = 0.0;
    int64_t seen = 0;
    for (const auto& [turns, count] : battlesByTurns) {
        if (seen <= lower && lower < seen + count) {
            lowerTurns = turns;
        }
        if (seen <= upper && upper < seen + count) {
            return (lowerTurns + turns) / 2.0;
        }
        seen += count;
    }
    return lowerTurns;
}

SimulationTotals Simulation::Run(const std::vector<Fighter>& fighters,
                                 const SimulationOptions& options,
                                 const std::function<void(int64_t done)>& progress) {
    std::atomic<int64_t> next{0};
    std::atomic<int64_t> done{0};
    std::atomic<int32_t> running{0};
    std::mutex mutex;
    std::condition_variable finished;
    SimulationTotals totals;
    totals.fighters.resize(fighters.size());

    const auto work = [&] {
        HeadlessBattle headless(fighters);
        Planner planner; // one per thread; it decides from each battle's own dice
        const auto plan = [&planner](BattleState& battle) { planner.DecideIn(battle); };
        if (options.team1Plans) {
            headless.Player().SetTeam1Decider(plan);
        }
        if (options.othersPlan) {
            headless.Player().SetOthersDecider(plan);
        }
        SimulationTotals mine;
        for (;;) {
            const int64_t first = next.fetch_add(kChunk);
            if (first >= options.battles) {
                break;
            }
            const int64_t last = std::min(options.battles, first + kChunk);
            for (int64_t i = first; i < last; ++i) {
                const BattleResult result =
                    headless.Play(options.seed, static_cast<uint64_t>(i), options.turnLimit);
                ++mine.battles;
                ++mine.battlesByTurns[result.turns];
                switch (result.winner) {
                case BattleWinner::Team1:
                    ++mine.team1Wins;
                    break;
                case BattleWinner::Others:
                    ++mine.othersWins;
                    break;
                case BattleWinner::Draw:
                    ++mine.draws;
                    break;
                }
            }
            done += last - first;
        }
        mine.fighters = headless.Tallies();
        std::lock_guard<std::mutex> lock(mutex);
        totals.Add(mine);
        if (--running == 0) {
            finished.notify_all();
        }
    };

    const int32_t jobs = std::max(1, options.jobs);
    running = jobs;
    std::vector<std::thread> threads;
    for (int32_t j = 0; j < jobs; ++j) {
        threads.emplace_back(work);
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(100));
            if (progress && running > 0) {
                lock.unlock();
                progress(done);
                lock.lock();
            }
        }
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (progress) {
        progress(done);
    }
    return totals;
}
