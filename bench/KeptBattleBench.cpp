// Saves and replays: the size of a replay of a long battle and how fast --verify plays it,
// and how long writing and reading a save take. The battles are played headless, with the
// computer's rule for both sides, and recorded as the game records its own.
#include "battle/BattleState.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "rules/CombatLog.h"
#include "rules/ComputerDecision.h"
#include "saving/SaveGame.h"
#include "snapshot/ForwardPlay.h"
#include "sound/SoundSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// Eight clumsy fighters: with 16 hit points each a battle of about a hundred turns, with
// 150 of near a thousand.
std::unique_ptr<BattleState> LongBattle(int32_t hitPoints) {
    auto battle = std::make_unique<BattleState>();
    for (int n = 0; n < 8; ++n) {
        auto f = std::make_unique<Fighter>();
        f->name = "Fighter " + std::to_string(n + 1);
        f->team = n < 4 ? 1 : 2;
        f->speed = 3 + n % 4 * 3;
        f->meleeSkill = f->missileSkill = 3;
        f->x = n < 4 ? 24.0f : 232.0f;
        f->y = 24.0f + 56.0f * static_cast<float>(n % 4);
        f->hitPoints = f->maxHitPoints = hitPoints;
        battle->fighters.push_back(std::move(f));
    }
    return battle;
}

// Played to its end (or `turns`) by the computer's rule, recorded step by step.
Recording Recorded(int32_t turns, int32_t hitPoints = 150) {
    SoundSystem silence;
    SoundSystem* const heard = gSound;
    gSound = &silence;
    std::srand(7);
    auto battle = LongBattle(hitPoints);
    ReplayRecorder recorder;
    recorder.Begin(*battle, "");
    while (battle->outcome == BattleOutcome::Undecided && battle->turn <= turns) {
        if (battle->awaitingOrder) {
            if (battle->decisionQueue.front()->team == 1) {
                ForwardPlay::MirroredRule(*battle);
            } else {
                DecideComputerOrder(*battle);
            }
            continue;
        }
        battle->missiles.clear();
        battle->StepPhase();
        if (!battle->awaitingOrder &&
            (battle->outcome = JudgeOutcome(*battle)) != BattleOutcome::Undecided) {
            AddMessage(*battle, ClosingLine(battle->outcome));
        }
        recorder.Observe(*battle);
    }
    gSound = heard;
    return recorder.Current();
}

void BM_ReplayOf100Turns(benchmark::State& state) {
    const Recording recording = Recorded(100);
    std::string bytes;
    for (auto _ : state) {
        bytes = ReplayFile::Encode(recording);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["kB"] = static_cast<double>(bytes.size()) / 1024.0;
}
BENCHMARK(BM_ReplayOf100Turns)->Unit(benchmark::kMicrosecond);

void BM_ReplayVerified(benchmark::State& state) {
    const Recording recording = Recorded(1 << 20, static_cast<int32_t>(state.range(0)));
    int64_t turns = 0;
    for (auto _ : state) {
        BattleState battle;
        std::string verdict;
        if (!ReplayPlayer::Verify(recording, battle, verdict)) {
            state.SkipWithError(verdict.c_str());
            return;
        }
        turns = battle.turn;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["turns"] = static_cast<double>(turns);
    state.counters["kB"] = static_cast<double>(ReplayFile::Encode(recording).size()) / 1024.0;
}
BENCHMARK(BM_ReplayVerified)->Arg(16)->Arg(150)->Unit(benchmark::kMillisecond);

// A save of the long battle at turn 100, its whole log and recording with it.
void BM_SaveWrittenAndRead(benchmark::State& state) {
    SaveGame save;
    save.recording = Recorded(100);
    BattleState battle;
    std::string bytes, reason;
    ReplayPlayer::Verify(save.recording, battle, reason); // stops where the recording does
    save.snapshot = BattleSnapshot::Capture(battle);
    for (auto _ : state) {
        bytes = save.Encode();
        SaveGame back;
        benchmark::DoNotOptimize(SaveGame::Decode(bytes, back, reason));
    }
    state.counters["kB"] = static_cast<double>(bytes.size()) / 1024.0;
}
BENCHMARK(BM_SaveWrittenAndRead)->Unit(benchmark::kMicrosecond);

} // namespace
