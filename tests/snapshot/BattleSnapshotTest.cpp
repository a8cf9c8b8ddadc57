#include "snapshot/BattleSnapshot.h"
#include "battle/BattleState.h"
#include "graphics/MainInterface.h"
#include "platform/Random.h"
#include "snapshot/ForwardPlay.h"
#include "tests/support/RecordingFont.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// Four against four with bows and blades, as a file would give them; nobody acts in phase 1.
std::unique_ptr<BattleState> NewBattle() {
    auto battle = std::make_unique<BattleState>();
    battle->font = std::make_unique<RecordingFont>();
    battle->interface = std::make_unique<MainInterface>();
    // name, team, speed, melee, missile, x, y
    const std::tuple<const char*, int32_t, int32_t, int32_t, int32_t, float, float> rows[] = {
        {"Ashka", 1, 6, 8, 5, 40, 56},    {"Bren", 1, 9, 4, 9, 24, 120},
        {"Cyra", 1, 4, 7, 7, 60, 200},    {"Dov", 1, 2, 9, 3, 100, 90},
        {"Orc", 2, 7, 9, 2, 200, 60},     {"Gob", 2, 10, 5, 8, 230, 140},
        {"Troll", 2, 3, 11, 1, 180, 220}, {"Imp", 2, 11, 3, 9, 240, 30}};
    for (const auto& [name, team, speed, melee, missile, x, y] : rows) {
        auto f = std::make_unique<Fighter>();
        f->name = name;
        f->team = team;
        f->speed = speed;
        f->meleeSkill = melee;
        f->missileSkill = missile;
        f->x = x;
        f->y = y;
        f->hitPoints = f->maxHitPoints = 24;
        battle->fighters.push_back(std::move(f));
    }
    return battle;
}

// One frame of the game's own loop, 18 ms after the last. The player's fighters are
// answered by the computer's rule, drawing from the frame's seed as the loop's own
// decisions do, so that the whole battle follows from the clock.
void Frame(BattleState& battle, ScopedClock& clock, ScopedEngine& engine) {
    clock.now += 18;
    if (battle.awaitingOrder && battle.decisionQueue.front()->team == 1 &&
        battle.outcome == BattleOutcome::Undecided) {
        Random::Seed(clock.now);
        ForwardPlay::MirroredRule(battle);
    }
    battle.Update();
    engine.video->draws.clear();
    static_cast<RecordingFont&>(*battle.font).texts.clear();
}

} // namespace

// Taken at any moment of a battle — an order awaited, a marker in flight, a countdown
// running — and restored into another record, the battle plays on exactly as the original:
// the same log line for line and the same field at the end.
TEST(BattleSnapshot, ACopyPlaysOnExactlyAsTheOriginal) {
    ScopedEngine engine;
    ScopedClock clock(1000);
    auto original = NewBattle();
    original->lastTick = clock.now;

    std::vector<std::pair<uint32_t, BattleSnapshot>> moments; // the clock, the battle
    bool awaited = false, inFlight = false; // a marker flies while its countdown runs
    for (int frame = 0; original->outcome == BattleOutcome::Undecided && frame < 20000; ++frame) {
        if (frame % 41 == 0) {
            const BattleSnapshot& s =
                moments.emplace_back(clock.now, BattleSnapshot::Capture(*original)).second;
            awaited |= s.awaitingOrder;
            inFlight |= !s.missiles.empty();
        }
        Frame(*original, clock, engine);
    }
    ASSERT_NE(original->outcome, BattleOutcome::Undecided);
    ASSERT_TRUE(awaited && inFlight) << "the moments cover the hard cases";
    const BattleSnapshot end = BattleSnapshot::Capture(*original);
    ASSERT_NE(end.counts, BattleCounts{}) << "what the fighters did goes with the copy";
    const uint32_t endNow = clock.now;

    for (const auto& [now, snapshot] : moments) {
        clock.now = now;
        auto copy = NewBattle();
        copy->fighters.pop_back(); // the record need not match the copy to begin with
        snapshot.Restore(*copy);
        ASSERT_EQ(BattleSnapshot::Capture(*copy), snapshot) << "at " << now;
        while (copy->outcome == BattleOutcome::Undecided && clock.now < endNow) {
            Frame(*copy, clock, engine);
        }
        ASSERT_EQ(copy->history, original->history) << "from " << now;
        EXPECT_EQ(BattleSnapshot::Capture(*copy), end) << "from " << now;
    }
}

// Played forward headless, the same snapshot, seed and index give the same battle on any
// record (one whose every phase is watched passes none by), and the record's own fighters
// keep what they were read from.
TEST(ForwardPlay, TheSameSeedGivesTheSameBattle) {
    ScopedClock clock(1000);
    auto battle = NewBattle();
    battle->fighters[0]->settings["name"].text = "Ashka";
    const BattleSnapshot start = BattleSnapshot::Capture(*battle);

    ForwardPlay first, second;
    second.Battle().onPhase = [] {};
    EXPECT_NE(first.Play(start, 5, 9, 500).outcome, BattleOutcome::Undecided);
    second.Play(start, 5, 10, 500);
    second.Play(start, 5, 9, 500);
    // No log is written where nobody reads it: the lines stay those it started from.
    EXPECT_TRUE(first.Battle().history.empty());
    EXPECT_EQ(first.Battle().messages, start.messages);
    battle->history.push_back("Ashka is blocked.");
    EXPECT_TRUE(BattleSnapshot::Capture(*battle, false).history.empty());
    EXPECT_EQ(BattleSnapshot::Capture(first.Battle()), BattleSnapshot::Capture(second.Battle()));

    start.Restore(*battle);
    EXPECT_EQ(battle->fighters[0]->settings["name"].text, "Ashka");
}
