#include "battle/Fighter.h"

#include "engine/GameError.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const char* const kPath = "NPCs\\fighter3.cfg";

class FighterFile : public testing::Test {
protected:
    ScopedEngine engine; // the settings reader logs through the kernel's run log
    TempDir dir;

    Fighter Load(const std::string& contents) {
        dir.Write("NPCs/fighter3.cfg", contents);
        Fighter fighter;
        fighter.Init(kPath);
        return fighter;
    }

    std::string LoadError(const std::string& contents) {
        dir.Write("NPCs/fighter3.cfg", contents);
        Fighter fighter;
        try {
            fighter.Init(kPath);
        } catch (const GameError& error) {
            return error.what();
        }
        return "(no error)";
    }
};

TEST_F(FighterFile, AFullFileGivesTheFighterItsValues) {
    const Fighter bob = Load("name = Bob\n"
                             "team = 2\n"
                             "speed = 3.7\n"
                             "health = 10\n"
                             "meleeskill = 11\n"
                             "missileskill = 9\n"
                             "posx = 40.5\n"
                             "posy = 120\n"
                             "motto = Never again\n");
    EXPECT_EQ("Bob", bob.name);
    EXPECT_EQ(2, bob.team);
    EXPECT_EQ(3, bob.speed) << "3.7 is cut to 3";
    EXPECT_EQ(10, bob.health);
    EXPECT_EQ(30, bob.hitPoints);
    EXPECT_EQ(30, bob.maxHitPoints);
    EXPECT_EQ(11, bob.meleeSkill);
    EXPECT_EQ(9, bob.missileSkill);
    EXPECT_FLOAT_EQ(40.5f, bob.x) << "positions keep their fractions";
    EXPECT_FLOAT_EQ(120.0f, bob.y);

    // The extra key is kept, unread.
    ASSERT_EQ(1u, bob.settings.count("motto"));
    EXPECT_EQ("Never again", bob.settings.at("motto").text);
    EXPECT_EQ(9u, bob.settings.size());
}

TEST_F(FighterFile, FractionsAreCutTowardZeroOnBothSides) {
    const Fighter fighter = Load("team = -2.9\nhealth = 2.9\nmeleeskill = -0.5\n"
                                 "missileskill = 7.99\nspeed = 12.9\n");
    EXPECT_EQ(-2, fighter.team);
    EXPECT_EQ(2, fighter.health);
    EXPECT_EQ(6, fighter.hitPoints);
    EXPECT_EQ(0, fighter.meleeSkill);
    EXPECT_EQ(7, fighter.missileSkill);
    EXPECT_EQ(12, fighter.speed);
}

TEST_F(FighterFile, MissingKeysAndWordsWhereNumbersBelongReadAsZero) {
    const Fighter fighter = Load("health = ten\nposx = 12\n");
    EXPECT_EQ(0, fighter.health);
    EXPECT_EQ(0, fighter.hitPoints);
    EXPECT_EQ(0, fighter.maxHitPoints);
    EXPECT_EQ(0, fighter.speed);
    EXPECT_EQ(0, fighter.team);
    EXPECT_EQ(0, fighter.meleeSkill);
    EXPECT_EQ(0, fighter.missileSkill);
    EXPECT_EQ("", fighter.name);
    EXPECT_FLOAT_EQ(12.0f, fighter.x);
    EXPECT_FLOAT_EQ(0.0f, fighter.y);
    // Asking for a missing key must not invent it in the kept table.
    EXPECT_EQ(2u, fighter.settings.size());
}

TEST_F(FighterFile, LoadingStartsTheFighterAfreshWhateverItHeldBefore) {
    dir.Write("NPCs/fighter3.cfg", "name = Ann\nhealth = 4\nspeed = 6\nteam = 1\n");
    Fighter other;
    Fighter ann;
    ann.order = OrderCode::MeleeRepeat;
    ann.countdown = 5;
    ann.countdownStart = 8;
    ann.dead = true;
    ann.target = &other;
    ann.destX = 100.0f;
    ann.destY = 50.0f;

    ann.Init(kPath);

    EXPECT_EQ(OrderCode::None, ann.order);
    EXPECT_EQ(0, ann.countdown);
    EXPECT_EQ(0, ann.countdownStart);
    EXPECT_FALSE(ann.dead);
    EXPECT_FALSE(ann.IsDead());
    EXPECT_EQ(nullptr, ann.target);
    EXPECT_FLOAT_EQ(-1.0f, ann.destX);
    EXPECT_FLOAT_EQ(-1.0f, ann.destY);
}

// A speed picks a row of the 13-row phase table; anything else must not load.
TEST_F(FighterFile, ASpeedWithoutAPhaseRowStopsTheStart) {
    EXPECT_EQ("Bad speed 13 in NPCs\\fighter3.cfg (must be 0 to 12)", LoadError("speed = 13\n"));
    EXPECT_EQ("Bad speed -1 in NPCs\\fighter3.cfg (must be 0 to 12)", LoadError("speed = -1\n"));
    EXPECT_EQ("Bad speed 1e+20 in NPCs\\fighter3.cfg (must be 0 to 12)",
              LoadError("speed = 99999999999999999999\n"));

    // The ends of the range, and a fraction that is cut back into it, are fine.
    EXPECT_EQ(0, Load("speed = 0\n").speed);
    EXPECT_EQ(0, Load("speed = -0.5\n").speed);
    EXPECT_EQ(12, Load("speed = 12\n").speed);
}

// All digits can still be far too big for a whole number.
TEST_F(FighterFile, HugeNumbersStopAtTheEndsOfTheRange) {
    const Fighter fighter = Load("health = 99999999999999999999\n"
                                 "meleeskill = 99999999999999999999\n"
                                 "team = -99999999999999999999\n");
    EXPECT_EQ(INT32_MAX / 3, fighter.health);
    EXPECT_EQ(INT32_MAX / 3 * 3, fighter.hitPoints) << "three times it must still fit";
    EXPECT_EQ(fighter.hitPoints, fighter.maxHitPoints);
    EXPECT_EQ(INT32_MAX, fighter.meleeSkill);
    EXPECT_EQ(INT32_MIN, fighter.team);
}

// A marker flies 2 pixels a frame and the battle waits for it, so a fighter far off the
// window (or at infinity, which 400 digits read as) would stop the battle for good.
TEST_F(FighterFile, PositionsFarOffTheWindowAreRefused) {
    EXPECT_EQ("Bad position 1e+20 in NPCs\\fighter3.cfg (must be -1000 to 1000)",
              LoadError("speed = 1\nposx = 99999999999999999999\n"));
    EXPECT_EQ("Bad position -1001 in NPCs\\fighter3.cfg (must be -1000 to 1000)",
              LoadError("speed = 1\nposx = 5\nposy = -1001\n"));
    EXPECT_EQ("Bad position inf in NPCs\\fighter3.cfg (must be -1000 to 1000)",
              LoadError("speed = 1\nposx = " + std::string(400, '9') + "\n"));
    const Fighter edge = Load("posx = -1000\nposy = 1000\n");
    EXPECT_FLOAT_EQ(-1000.0f, edge.x);
    EXPECT_FLOAT_EQ(1000.0f, edge.y);
}

TEST_F(FighterFile, AMissingFileStopsTheStartWithItsName) {
    Fighter fighter;
    try {
        fighter.Init(kPath);
        FAIL() << "loaded a file that does not exist";
    } catch (const GameError& error) {
        EXPECT_STREQ("Could not open NPCs\\fighter3.cfg", error.what());
    }
}

} // namespace
