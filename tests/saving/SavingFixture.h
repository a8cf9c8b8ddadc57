#pragma once

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "snapshot/ForwardPlay.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// A game folder of eight fighter files, four a side, and battles started from it as the
// game starts them (session and all), with the clock fixed so that every battle follows
// from it. The player's side is answered by the computer's rule.
class SavingFixture : public ::testing::Test {
protected:
    ScopedEngine engine;
    ScopedClock clock{1000};
    TempDir dir;

    SavingFixture() {
        for (int n = 1; n <= 8; ++n) {
            dir.Write("NPCs/fighter" + std::to_string(n) + ".cfg", Fighter(n));
        }
    }

    static std::string Fighter(int n) {
        const int k = n % 4;
        return "name = F" + std::to_string(n) + "\nteam = " + (n <= 4 ? "1" : "2") +
               "\nspeed = " + std::to_string(3 + 3 * k) +
               "\nhealth = 4\nmeleeskill = " + std::to_string(5 + k) +
               "\nmissileskill = " + std::to_string(9 - k) +
               "\nposx = " + std::to_string(n <= 4 ? 24 + 8 * k : 200 - 16 * k) +
               "\nposy = " + std::to_string(40 + 50 * k) + "\n";
    }

    std::unique_ptr<BattleState> Start() {
        auto battle = std::make_unique<BattleState>();
        battle->Init("Data\\engine.cfg");
        return battle;
    }

    // One frame 18 ms after the last. A waiting player's fighter is answered only on every
    // `patience`-th frame, as a slow decider would be.
    void Frame(BattleState& battle, int patience = 1) {
        clock.now += 18;
        if (battle.awaitingOrder && battle.decisionQueue.front()->team == 1 &&
            clock.now / 18 % patience == 0) {
            Random::Seed(clock.now);
            ForwardPlay::MirroredRule(battle);
        }
        battle.Update();
        engine.video->draws.clear();
        engine.input->keysPressed.clear();
    }

    void PlayToEnd(BattleState& battle, int patience = 1) {
        for (int i = 0; i < 200000 && battle.outcome == BattleOutcome::Undecided; ++i) {
            Frame(battle, patience);
        }
        ASSERT_NE(battle.outcome, BattleOutcome::Undecided);
        Frame(battle); // the frame after the end writes the replay
    }

    // The replay the ended battle left in replays/, which must be there whole.
    static Recording Replay() {
        Recording recording;
        std::string reason;
        EXPECT_TRUE(ReplayFile::Load(std::filesystem::directory_iterator("replays")->path(),
                                     recording, reason))
            << reason;
        return recording;
    }
    // The recording played headless: where it went another way, empty when it matched.
    static std::string Verify(const Recording& recording, BattleState& battle) {
        std::string verdict;
        return ReplayPlayer::Verify(recording, battle, verdict) ? ""
                                                                : "went another way " + verdict;
    }

    void Press(BattleState& battle, int32_t key) {
        engine.input->keysPressed = {key};
        Frame(battle);
    }
};
