// The battle frame drawn through the real OpenGL video system, the same frame with drawing
// replaced by no-ops, and the rules alone, in long computer-only battles.
#include "bench/AllocationCounter.h"
#include "bench/BenchEngine.h"

#include "battle/BattleState.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "insight/BattleInsight.h"
#include "insight/WinChance.h"
#include "platform/Clock.h"
#include "platform/PathResolver.h"
#include "platform/Random.h"
#include "rules/CombatLog.h"
#include "rules/Orders.h"
#include "snapshot/BattleSnapshot.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {

const char* GameDir() {
    const char* dir = std::getenv("VORNAK_BENCH_GAME_DIR");
    return dir ? dir : VORNAK_GAME_DIR;
}

// The engine's globals for one benchmark: a kernel with the game's display settings, the
// real video system or a no-op one, a no-op sound system and a quiet input system.
class BenchGame {
public:
    explicit BenchGame(bool realVideo) {
        if (chdir(GameDir()) != 0) {
            throw std::runtime_error("cannot enter the game directory");
        }
        PathResolver::ClearCache();
        gKernel = new Kernel;
        gKernel->settings["h_res"].number = 640;
        gKernel->settings["v_res"].number = 480;
        gKernel->settings["bpp"].number = 32;
        gKernel->settings["full_screen"].number = 0;
        gKernel->settings["use_opengl"].number = 1;
        gVideo = realVideo ? new VideoSystem : new NullVideo;
        gVideo->Init("Data\\engine.cfg");
        gSound = new NullSound;
        gInput = new InputSystem;
        battle.Init("");
        // Its thread would add its own processor time to the frames'; it is measured
        // alone (BM_WinChanceUpdate) and in the running game (the probe).
        battle.insight.reset();
        if (!realVideo) {
            battle.font = std::make_unique<NullFont>();
        }
        // Ticks move 18 ms per call, so every Update draws a frame; the fine clock moves a
        // refresh period and more per read, so no frame waits for the display's rate.
        Clock::Override([this] { return ticks += 18; }, [this] { return ticks; });
        Clock::OverrideFine([this] { return fine += 20000; }, [](uint64_t) {});
    }
    ~BenchGame() {
        Clock::Restore();
        delete gKernel; // takes the subsystems in the globals with it
        gKernel = nullptr;
        // The benchmark library makes a game for every run of a benchmark. Without this the
        // next video mode would keep this OpenGL context, and its set-up would multiply the
        // projection onto the one already there: everything drawn off the window, for free.
        SDL_Quit();
    }

    // A full frame: seven message lines, the first player fighter waiting for its order
    // with the command buttons up, the other player fighters preparing attacks.
    void SetUpBusyFrame() {
        for (int line = 0; line < 7; ++line) {
            AddMessage(battle, line % 2 ? "It hits for 4 damage." : "Ardan attacks Kesh!");
        }
        Fighter* waiting = nullptr;
        for (auto& fighter : battle.fighters) {
            if (fighter->team != 1) {
                continue;
            }
            if (!waiting) {
                waiting = fighter.get();
            } else {
                fighter->countdownStart = 8;
                fighter->countdown = 5;
            }
        }
        if (waiting) {
            battle.decisionQueue.assign(1, waiting);
            battle.awaitingOrder = true;
        }
    }

    BattleState battle;
    uint32_t ticks = 1000;
    uint64_t fine = 0;
};

void RunFrames(benchmark::State& state, bool realVideo, bool composing = true, bool swaps = false) {
    BenchGame game(realVideo);
    gVideo->SetComposing(composing);
    if (swaps) {
        gVideo->ShowBySwaps();
    }
    game.SetUpBusyFrame();
    game.battle.Update(); // first use of each texture and glyph outside the timing
    const uint64_t allocationsBefore = AllocationCount();
    for (auto _ : state) {
        game.battle.Update();
    }
    state.counters["allocs/frame"] = static_cast<double>(AllocationCount() - allocationsBefore) /
                                     static_cast<double>(state.iterations());
    if (!game.battle.awaitingOrder) {
        state.SkipWithError("the waiting fighter got an order; frames were not alike");
    }
}

// The real VideoSystem under OpenGL. Process CPU time, so that a software driver's
// rendering threads count. From one frame to the next the ring's pulse changes, so this
// is the waiting player's frame as the game composes it.
void BM_BattleFrameDrawn(benchmark::State& state) {
    RunFrames(state, true);
}
BENCHMARK(BM_BattleFrameDrawn)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The same frame composed but shown by a swap, as under a hardware driver, where a
// software driver's sub-buffer copies are not used.
void BM_BattleFrameSwapped(benchmark::State& state) {
    RunFrames(state, true, true, true);
}
BENCHMARK(BM_BattleFrameSwapped)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The same frame drawn in full, every draw straight into the back buffer.
void BM_BattleFrameFull(benchmark::State& state) {
    RunFrames(state, true, false);
}
BENCHMARK(BM_BattleFrameFull)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The same frame with every draw a no-op: what the game itself spends around the driver.
void BM_BattleFrameHeadless(benchmark::State& state) {
    RunFrames(state, false);
}
BENCHMARK(BM_BattleFrameHeadless)->Unit(benchmark::kMicrosecond);

// How long a marker takes to fly 200 pixels (100 frames at 2 pixels each) in real time,
// drawn through the real video system, so that the pacing of drawn frames is what counts.
void BM_MarkerCrossing(benchmark::State& state) {
    BenchGame game(true);
    Clock::Restore(); // real time, real sleeps
    BattleState& battle = game.battle;
    Fighter from;
    Fighter to;
    from.x = 20.0f;
    from.y = 100.0f;
    to.x = 420.0f; // twice as far, so it is still in flight after 200 pixels
    to.y = 100.0f;
    battle.lastTick = Clock::Ticks() - 1000; // flight frames never renew it
    LaunchMissile(battle, from, to);
    battle.Update(); // the first flight frame's set-up outside the timing
    for (auto _ : state) {
        battle.missiles.clear();
        LaunchMissile(battle, from, to);
        while (!battle.missiles.empty() && battle.missiles.front().x < from.x + 200.0f) {
            battle.Update();
        }
    }
    if (battle.missiles.empty()) {
        state.SkipWithError("the marker landed before it had flown 200 pixels");
    }
}
BENCHMARK(BM_MarkerCrossing)->UseRealTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The rules alone: decisions and phase dispatches in an endless computer-only battle,
// without drawing and with markers landing at once.
void BM_RulesHeadless(benchmark::State& state) {
    BenchGame game(false);
    EndlessBattle endless(game.battle);
    int64_t actions = 0;
    int64_t seededFor = -1;
    for (auto _ : state) {
        for (int step = 0; step < 1000; ++step) {
            // Once per battle: the loop's reseeding at every frame is glibc's srand, 310
            // rounds of its generator, and belongs to the frame, not to the rules.
            if (endless.restarts != seededFor) {
                seededFor = endless.restarts;
                Random::Seed(static_cast<uint32_t>(seededFor));
            }
            actions += endless.Step();
        }
    }
    state.SetItemsProcessed(actions);
    state.counters["restarts"] = static_cast<double>(endless.restarts);
    state.counters["actions"] = static_cast<double>(actions);
}
BENCHMARK(BM_RulesHeadless)->Unit(benchmark::kMicrosecond);

// Whole battle-loop frames with no-op drawing, markers flying at their designed speed.
void BM_BattleLoopHeadless(benchmark::State& state) {
    BenchGame game(false);
    EndlessBattle endless(game.battle);
    // One of the player's side who never acts and whom the computer never attacks (it
    // attacks the first four only), so the battle is never over.
    Fighter& bystander = *game.battle.fighters.back();
    bystander.team = 1;
    bystander.speed = 0;
    int64_t actions = 0;
    const uint64_t allocationsBefore = AllocationCount();
    for (auto _ : state) {
        if (endless.SideDefeated()) {
            endless.Restart();
        }
        const int32_t phase = game.battle.phase;
        const int32_t acting = ActingFighters(game.battle, phase);
        game.battle.Update();
        if (game.battle.phase != phase) {
            actions += acting;
        }
    }
    state.SetItemsProcessed(actions);
    state.counters["allocs/frame"] = static_cast<double>(AllocationCount() - allocationsBefore) /
                                     static_cast<double>(state.iterations());
}
BENCHMARK(BM_BattleLoopHeadless)->Unit(benchmark::kMicrosecond);

// One update of the win chance from the start of the shipped battle, the dearest state
// (every battle played whole): its battles on the calling thread, without the rests.
void BM_WinChanceUpdate(benchmark::State& state) {
    BenchGame game(false);
    const BattleSnapshot start = BattleSnapshot::Capture(game.battle);
    int32_t percent = 0;
    for (auto _ : state) {
        percent = WinChance::Measure(start, WinChance::kBattles);
    }
    state.counters["percent"] = percent;
}
BENCHMARK(BM_WinChanceUpdate)->Unit(benchmark::kMillisecond);

} // namespace
