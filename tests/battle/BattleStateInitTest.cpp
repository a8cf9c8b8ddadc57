#include "battle/BattleState.h"

#include "engine/GameError.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/ScopedRandom.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BattleLoading : public testing::Test {
protected:
    ScopedEngine engine;
    ScopedClock clock{5000};
    ScopedRandom random;
    TempDir dir;

    // Fighters 1 to 4 on the player's side, 5 to 8 the computer's, all waiting in phase 12.
    void WriteFighter(int n) {
        dir.Write("NPCs/fighter" + std::to_string(n) + ".cfg",
                  "name = Fighter" + std::to_string(n) + "\nteam = " + (n <= 4 ? "1" : "2") +
                      "\nspeed = 1\nhealth = " + std::to_string(n) +
                      "\nposx = " + std::to_string(20 * n) + "\nposy = 40\n");
    }
    void WriteAllFighters() {
        for (int n = 1; n <= 8; ++n) {
            WriteFighter(n);
        }
    }
};

TEST_F(BattleLoading, LoadsEightFightersInFileOrderThenThePictures) {
    WriteAllFighters();
    BattleState battle;
    battle.Init("Data\\engine.cfg");

    ASSERT_EQ(8u, battle.fighters.size());
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ("Fighter" + std::to_string(n), battle.fighters[n - 1]->name);
        EXPECT_EQ(3 * n, battle.fighters[n - 1]->hitPoints);
    }
    ASSERT_NE(nullptr, battle.interface);
    ASSERT_NE(nullptr, battle.font);
    EXPECT_EQ(0, battle.interface->command);

    // The font and the layout may load sheets of their own first; the battle's two
    // pictures come last, background before tiles.
    const auto& loaded = engine.video->loaded;
    ASSERT_GE(loaded.size(), 2u);
    EXPECT_EQ("images\\background.tga", loaded[loaded.size() - 2]);
    EXPECT_EQ("images\\vntiles.tga", loaded.back());
    EXPECT_EQ(loaded.size() - 1, battle.background.id);
    EXPECT_EQ(loaded.size(), battle.tiles.id);
}

TEST_F(BattleLoading, StartsAtPhaseOneWithNothingPendingAndTheMusicOn) {
    WriteAllFighters();
    BattleState battle;
    battle.phase = 7;
    battle.awaitingOrder = true;
    battle.buttonHeld = true;
    battle.missiles.push_back(Missile{});
    battle.Init("");

    EXPECT_EQ(1, battle.phase);
    EXPECT_FALSE(battle.awaitingOrder);
    EXPECT_FALSE(battle.buttonHeld);
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_TRUE(battle.messages.empty());
    EXPECT_TRUE(battle.missiles.empty());
    EXPECT_EQ(5000u, battle.lastTick);
    EXPECT_EQ(std::vector<uint32_t>{5000u}, random.seeds) << "seeded once, from the clock";
    EXPECT_EQ(std::vector<std::string>{"Music\\Ashen Tide.mp3"}, engine.sound->music);
    EXPECT_TRUE(engine.sound->samples.empty());
}

// The pacing counts from the moment of loading, not from the first frame.
TEST_F(BattleLoading, TheFirstFrameComesEighteenMillisecondsAfterLoading) {
    WriteAllFighters();
    BattleState battle;
    battle.Init("");

    clock.now = 5017;
    battle.Update();
    EXPECT_EQ(0, engine.video->frames);
    EXPECT_EQ(0, engine.video->clears);

    clock.now = 5018;
    battle.Update();
    EXPECT_EQ(1, engine.video->frames);
    EXPECT_EQ(2, battle.phase) << "nobody acts in phase 1 at speed 1";
}

TEST_F(BattleLoading, AMissingFighterFileStopsTheLoadingThere) {
    WriteFighter(1);
    WriteFighter(2);
    WriteFighter(4);
    BattleState battle;
    try {
        battle.Init("");
        FAIL() << "loaded without fighter 3";
    } catch (const GameError& error) {
        EXPECT_STREQ("Could not open NPCs\\fighter3.cfg", error.what());
    }
    EXPECT_EQ(2u, battle.fighters.size()) << "fighter 3 is never appended";
    for (const std::string& path : engine.video->loaded) {
        EXPECT_NE("images\\background.tga", path);
        EXPECT_NE("images\\vntiles.tga", path);
    }
    EXPECT_TRUE(engine.sound->music.empty());
    EXPECT_TRUE(random.seeds.empty());
}

TEST_F(BattleLoading, AFighterWithABadSpeedStopsTheLoading) {
    WriteAllFighters();
    dir.Write("NPCs/fighter5.cfg", "name = Quick\nspeed = 20\n");
    BattleState battle;
    EXPECT_THROW(battle.Init(""), GameError);
    EXPECT_EQ(4u, battle.fighters.size());
}

} // namespace
