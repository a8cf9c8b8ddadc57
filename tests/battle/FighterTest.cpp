#include "battle/Fighter.h"
#include "battle/BattleState.h"

#include "engine/GameError.h"
#include "rules/Orders.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

class FighterFile : public testing::Test {
protected:
    ScopedEngine engine; // the settings reader logs through the kernel's run log
    TempDir dir;

    Fighter Load(const std::string& contents) {
        dir.Write("NPCs/fighter3.cfg", contents);
        Fighter fighter;
        fighter.Init("NPCs\\fighter3.cfg");
        return fighter;
    }
    std::string LoadError(const std::string& contents) {
        try {
            Load(contents);
        } catch (const GameError& error) {
            return error.what();
        }
        return "(no error)";
    }
};

TEST_F(FighterFile, NumbersAreCutTowardZeroAndMissingOnesReadAsZero) {
    const Fighter bob = Load("name = Bob\nteam = 2\nspeed = 3.7\nhealth = 10\nmeleeskill = 11\n"
                             "missileskill = 9\nposx = 40.5\nposy = 120\nmotto = Never again\n");
    EXPECT_EQ("Bob", bob.name);
    EXPECT_EQ(2, bob.team);
    EXPECT_EQ(3, bob.speed);
    EXPECT_EQ(10, bob.health);
    EXPECT_EQ(30, bob.hitPoints);
    EXPECT_EQ(30, bob.maxHitPoints);
    EXPECT_EQ(11, bob.meleeSkill);
    EXPECT_EQ(9, bob.missileSkill);
    EXPECT_FLOAT_EQ(40.5f, bob.x) << "positions keep their fractions";
    EXPECT_FLOAT_EQ(120.0f, bob.y);
    EXPECT_EQ("Never again", bob.settings.at("motto").text) << "an extra key is kept, unread";

    const Fighter cut = Load("team = -2.9\nhealth = 2.9\nmeleeskill = -0.5\nspeed = 12.9\n");
    EXPECT_EQ(-2, cut.team);
    EXPECT_EQ(6, cut.hitPoints);
    EXPECT_EQ(0, cut.meleeSkill);
    EXPECT_EQ(12, cut.speed);

    // All digits can still be far too big for a whole number; health is held so that three
    // times it still fits.
    const Fighter huge = Load("health = 99999999999999999999\nmeleeskill = 99999999999999999999\n"
                              "team = -99999999999999999999\n");
    EXPECT_EQ(INT32_MAX / 3 * 3, huge.maxHitPoints);
    EXPECT_EQ(INT32_MAX, huge.meleeSkill);
    EXPECT_EQ(INT32_MIN, huge.team);

    // Hugely negative health: the hit that kills must not run past the int range first.
    Fighter doomed = Load("health = -99999999999\n");
    BattleState battle;
    ApplyDamage(battle, doomed, 6);
    EXPECT_TRUE(doomed.dead);
    EXPECT_EQ(0, doomed.hitPoints);

    const Fighter blank = Load("health = ten\nposx = 12\n");
    EXPECT_EQ(0, blank.maxHitPoints);
    EXPECT_EQ(0, blank.speed);
    EXPECT_EQ(0, blank.team);
    EXPECT_EQ(0, blank.missileSkill);
    EXPECT_EQ("", blank.name);
    EXPECT_FLOAT_EQ(0.0f, blank.y);
    EXPECT_EQ(2u, blank.settings.size()) << "asking for a missing key must not invent it";
}

// A speed picks a row of the 13-row phase table. A marker flies 2 pixels a frame and the
// battle waits for it, so a fighter far off the window (or at infinity, which 400 digits
// read as) would stop the battle for good.
TEST_F(FighterFile, SpeedsWithoutAPhaseRowAndFarOffPositionsStopTheStart) {
    const std::string speed = " in NPCs\\fighter3.cfg (must be 0 to 12)";
    EXPECT_EQ("Bad speed 13" + speed, LoadError("speed = 13\n"));
    EXPECT_EQ("Bad speed -1" + speed, LoadError("speed = -1\n"));
    EXPECT_EQ("Bad speed 1e+20" + speed, LoadError("speed = 99999999999999999999\n"));
    EXPECT_EQ(0, Load("speed = -0.5\n").speed) << "cut back into the range";

    const std::string position = " in NPCs\\fighter3.cfg (must be -1000 to 1000)";
    EXPECT_EQ("Bad position 1e+20" + position, LoadError("posx = 99999999999999999999\n"));
    EXPECT_EQ("Bad position -1001" + position, LoadError("posx = 5\nposy = -1001\n"));
    EXPECT_EQ("Bad position inf" + position, LoadError("posx = " + std::string(400, '9') + "\n"));
    const Fighter edge = Load("posx = -1000\nposy = 1000\n");
    EXPECT_FLOAT_EQ(-1000.0f, edge.x);
    EXPECT_FLOAT_EQ(1000.0f, edge.y);
}

} // namespace
