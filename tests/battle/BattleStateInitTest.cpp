#include "battle/BattleState.h"

#include "engine/GameError.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/ScopedRandom.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class BattleLoading : public testing::Test {
protected:
    ScopedEngine engine;
    ScopedClock clock{5000};
    ScopedRandom random;
    TempDir dir;

    BattleLoading() {
        for (int n = 1; n <= 8; ++n) {
            const std::string number = std::to_string(n);
            dir.Write("NPCs/fighter" + number + ".cfg",
                      "name = Fighter" + number + "\nteam = " + (n <= 4 ? "1" : "2") +
                          "\nspeed = 1\nhealth = " + number + "\nposx = " + std::to_string(20 * n) +
                          "\nposy = 40\n");
        }
    }
};

// Loading also clears whatever an earlier battle left behind.
TEST_F(BattleLoading, LoadsEightFightersInFileOrderAndStartsAtPhaseOneWithNothingPending) {
    BattleState battle;
    battle.phase = 7;
    battle.awaitingOrder = true;
    battle.buttonHeld = true;
    battle.missiles.push_back(Missile{});
    battle.Init("Data\\engine.cfg");

    ASSERT_EQ(8u, battle.fighters.size());
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ("Fighter" + std::to_string(n), battle.fighters[n - 1]->name);
        EXPECT_EQ(3 * n, battle.fighters[n - 1]->hitPoints);
    }

    // The font and the layout may load sheets of their own first; the battle's two
    // pictures come last, background before tiles.
    const auto& loaded = engine.video->loaded;
    ASSERT_GE(loaded.size(), 2u);
    EXPECT_EQ("images\\background.tga", loaded[loaded.size() - 2]);
    EXPECT_EQ("images\\vntiles.tga", loaded.back());
    EXPECT_EQ(loaded.size() - 1, battle.background.id);
    EXPECT_EQ(loaded.size(), battle.tiles.id);

    EXPECT_EQ(1, battle.phase);
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_TRUE(battle.missiles.empty());
    EXPECT_EQ(5000u, battle.lastTick) << "the first frame is due 18 ms after loading";
    EXPECT_EQ(std::vector<uint32_t>{5000u}, random.seeds) << "seeded once, from the clock";
    EXPECT_EQ(std::vector<std::string>{"Music\\Ashen Tide.mp3"}, engine.sound->music);
}

// The fighters before the missing file stay loaded; nothing after it is started.
TEST_F(BattleLoading, AMissingFighterFileStopsTheLoadingThere) {
    ASSERT_EQ(0, std::remove("NPCs/fighter3.cfg"));
    BattleState battle;
    try {
        battle.Init("");
        FAIL() << "loaded without fighter 3";
    } catch (const GameError& error) {
        EXPECT_STREQ("Could not open NPCs\\fighter3.cfg", error.what());
    }
    EXPECT_EQ(2u, battle.fighters.size());

    for (const std::string& path : engine.video->loaded) {
        EXPECT_NE("images\\background.tga", path);
        EXPECT_NE("images\\vntiles.tga", path);
    }
    EXPECT_TRUE(engine.sound->music.empty());
    EXPECT_TRUE(random.seeds.empty());
}

// A battle fought to its end and a fighter file changed meanwhile: R brings everyone back
// as the files now say, with a clean slate, while the pictures and the music carry on. A
// file broken before the next restart stops the game with the start-up's message.
TEST_F(BattleLoading, RStartsAFreshBattleFromTheFilesAsTheyAreNow) {
    BattleState battle;
    battle.Init("");
    const std::size_t pictures = engine.video->loaded.size();
    battle.fighters[1]->x = 99.0f;
    battle.fighters[1]->hitPoints = 0;
    for (int n : {1, 4, 5, 6, 7}) {
        battle.fighters[n]->dead = true;
    }
    battle.buttonHeld = true;
    clock.now += 18; // nobody acts in phase 1
    battle.Update();
    ASSERT_EQ(battle.outcome, BattleOutcome::Victory);
    dir.Write("NPCs/fighter3.cfg", "name = Newcomer\nhealth = 9\n");

    clock.now = 6000;
    engine.input->keysPressed = {'r'};
    battle.Update();
    EXPECT_EQ(battle.outcome, BattleOutcome::Undecided);
    EXPECT_EQ("Newcomer", battle.fighters[2]->name);
    EXPECT_EQ(27, battle.fighters[2]->hitPoints);
    EXPECT_FALSE(battle.fighters[1]->dead);
    EXPECT_EQ(6, battle.fighters[1]->hitPoints);
    EXPECT_EQ(40.0f, battle.fighters[1]->x);
    EXPECT_TRUE(battle.messages.empty());
    EXPECT_EQ(1, battle.phase);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_EQ(6000u, battle.lastTick);
    EXPECT_EQ(6000u, random.seeds.back());
    EXPECT_EQ(pictures, engine.video->loaded.size());
    EXPECT_EQ(1u, engine.sound->music.size()) << "the music goes on";

    dir.Write("NPCs/fighter3.cfg", "speed = 13\n");
    try {
        battle.Restart();
        FAIL() << "restarted with a speed of 13";
    } catch (const GameError& error) {
        EXPECT_STREQ("Bad speed 13 in NPCs\\fighter3.cfg (must be 0 to 12)", error.what());
    }
}

} // namespace
