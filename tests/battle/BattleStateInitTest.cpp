#include "battle/BattleState.h"

#include "engine/GameError.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/ScopedRandom.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A load reads the eight fighters in file order, the two pictures last (background
// first), seeds once from the clock and starts the music. Fought to its end, with a
// fighter file changed meanwhile, R brings everyone back as the files now say, with a
// clean slate, while the pictures and the music carry on. A file broken before the next
// restart stops the game with the start-up's message.
TEST(BattleLoading, LoadsEightFightersAndRStartsAFreshBattleFromTheFilesAsTheyAreNow) {
    ScopedEngine engine;
    ScopedClock clock{5000};
    ScopedRandom random;
    TempDir dir;
    for (int n = 1; n <= 8; ++n) {
        const std::string number = std::to_string(n);
        dir.Write("NPCs/fighter" + number + ".cfg",
                  "name = Fighter" + number + "\nteam = " + (n <= 4 ? "1" : "2") +
                      "\nspeed = 1\nhealth = " + number + "\nposx = " + std::to_string(20 * n) +
                      "\nposy = 40\n");
    }
    BattleState battle;
    battle.Init("Data\\engine.cfg");
    ASSERT_EQ(8u, battle.fighters.size());
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ("Fighter" + std::to_string(n), battle.fighters[n - 1]->name);
    }
    const std::vector<std::string> pictures = engine.video->loaded;
    EXPECT_EQ(pictures.back(), "images\\vntiles.tga");
    EXPECT_EQ(pictures.size(), battle.tiles.id);
    EXPECT_EQ(pictures.size() - 1, battle.background.id);
    EXPECT_EQ(5000u, battle.lastTick) << "the first frame is due 18 ms after loading";
    EXPECT_EQ(std::vector<uint32_t>{5000u}, random.seeds);
    EXPECT_EQ(std::vector<std::string>{"Music\\Ashen Tide.mp3"}, engine.sound->music);

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
    EXPECT_TRUE(battle.messages.empty());
    EXPECT_EQ(1, battle.phase);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_EQ(6000u, battle.lastTick);
    EXPECT_EQ(6000u, random.seeds.back());
    EXPECT_EQ(pictures, engine.video->loaded);
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
