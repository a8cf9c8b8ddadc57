#include "battle/BattleState.h"
#include "battle/Fighter.h"

#include "engine/GameError.h"
#include "rules/Orders.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/ScopedRandom.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A load reads the eight fighters in file order, the two pictures last (background
// first), seeds once from the clock and starts the music. Fought to its end, with a
// fighter file changed meanwhile, R brings everyone back as the files now say, with a
// clean slate, while the pictures and the music carry on. A file broken before the next
// restart stops the game as it would at start-up.
TEST(BattleLoading, LoadsEightFightersAndRStartsAFreshBattleFromTheFilesAsTheyAreNow) {
    ScopedEngine engine;
    ScopedClock clock{5000};
    ScopedRandom random;
    TempDir dir;
    for (int n = 1; n <= 8; ++n) {
        const std::string number = std::to_string(n);
        dir.Write("NPCs/fighter" + number + ".cfg", std::string("team = ") + (n <= 4 ? "1" : "2") +
                                                        "\nspeed = 1\nhealth = " + number);
    }
    BattleState battle;
    battle.Init("Data\\engine.cfg");
    ASSERT_EQ(8u, battle.fighters.size());
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
    EXPECT_THROW(battle.Restart(), GameError);
}

// Every key read into its field, whole numbers cut toward zero (positions keep their
// fractions), hit points three times the health; a key missing, or a word where a number
// belongs, reads as 0 or empty. All digits can still be far too big for a whole number:
// health is held so that three times it still fits. A speed picks a row of the 13-row
// phase table, and a marker flying to a fighter far off the window (or at infinity, which
// 400 digits read as) would keep the battle waiting for good: both are refused.
TEST(FighterFile, NumbersAreCutTowardZeroAndOutOfRangeOnesStopTheStart) {
    ScopedEngine engine; // the settings reader logs through the kernel's run log
    TempDir dir;
    // name team speed health hitPoints maxHitPoints meleeSkill missileSkill x y, or the error
    const auto load = [&dir](const std::string& contents) -> std::string {
        dir.Write("NPCs/fighter3.cfg", contents);
        Fighter f;
        try {
            f.Init("NPCs\\fighter3.cfg");
        } catch (const GameError& error) {
            return error.what();
        }
        std::ostringstream out;
        out << f.name << "|" << f.team << " " << f.speed << " " << f.health << " " << f.hitPoints
            << " " << f.maxHitPoints << " " << f.meleeSkill << " " << f.missileSkill << " " << f.x
            << " " << f.y;
        return out.str();
    };
    const std::string speed = " in NPCs\\fighter3.cfg (must be 0 to 12)";
    const std::string position = " in NPCs\\fighter3.cfg (must be -1000 to 1000)";
    const std::pair<std::string, std::string> cases[] = {
        {"name = Bob\nteam = 2\nspeed = 3.7\nhealth = 10\nmeleeskill = 11\nmissileskill = 9\n"
         "posx = 40.5\nposy = 120\n",
         "Bob|2 3 10 30 30 11 9 40.5 120"},
        {"team = -2.9\nhealth = 2.9\nmeleeskill = -0.5\nspeed = 12.9\n", "|-2 12 2 6 6 0 0 0 0"},
        {"health = 99999999999999999999\nmissileskill = 99999999999999999999\n"
         "team = -99999999999999999999\n",
         "|-2147483648 0 715827882 2147483646 2147483646 0 2147483647 0 0"},
        {"health = ten\nspeed = -0.5\nposx = -1000\nposy = 1000\n", "|0 0 0 0 0 0 0 -1000 1000"},
        {"speed = 13\n", "Bad speed 13" + speed},
        {"speed = -1\n", "Bad speed -1" + speed},
        {"posx = 5\nposy = -1001\n", "Bad position -1001" + position},
        {"posx = " + std::string(400, '9') + "\n", "Bad position inf" + position}};
    for (const auto& [contents, expected] : cases) {
        EXPECT_EQ(load(contents), expected) << contents;
    }

    // The hit that kills a hugely negative health must not run past the range first.
    dir.Write("NPCs/fighter3.cfg", "health = -99999999999\n");
    Fighter doomed;
    doomed.Init("NPCs\\fighter3.cfg");
    BattleState battle;
    ApplyDamage(battle, doomed, 6);
    EXPECT_TRUE(doomed.dead);
    EXPECT_EQ(0, doomed.hitPoints);
}

} // namespace
