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

// Every key read into its field, whole numbers cut toward zero (positions keep their
// fractions), hit points three times the health; a key missing, or a word where a number
// belongs, reads as 0 or empty and is not invented. All digits can still be far too big
// for a whole number: health is held so that three times it still fits, and the hit that
// kills a hugely negative health must not run past the range first.
TEST_F(FighterFile, NumbersAreCutTowardZeroAndMissingOnesReadAsZero) {
    const auto fields = [](const Fighter& f) {
        return std::vector<double>{double(f.team),
                                   double(f.speed),
                                   double(f.health),
                                   double(f.hitPoints),
                                   double(f.maxHitPoints),
                                   double(f.meleeSkill),
                                   double(f.missileSkill),
                                   f.x,
                                   f.y};
    };
    const Fighter bob = Load("name = Bob\nteam = 2\nspeed = 3.7\nhealth = 10\nmeleeskill = 11\n"
                             "missileskill = 9\nposx = 40.5\nposy = 120\nmotto = Never again\n");
    EXPECT_EQ(fields(bob), (std::vector<double>{2, 3, 10, 30, 30, 11, 9, 40.5, 120}));
    EXPECT_EQ("Bob", bob.name);
    EXPECT_EQ("Never again", bob.settings.at("motto").text);
    EXPECT_EQ(fields(Load("team = -2.9\nhealth = 2.9\nmeleeskill = -0.5\nspeed = 12.9\n")),
              (std::vector<double>{-2, 12, 2, 6, 6, 0, 0, 0, 0}));
    EXPECT_EQ(fields(Load("health = 99999999999999999999\nmissileskill = 99999999999999999999\n"
                          "team = -99999999999999999999\n")),
              (std::vector<double>{INT32_MIN, 0, INT32_MAX / 3, INT32_MAX / 3 * 3,
                                   INT32_MAX / 3 * 3, 0, INT32_MAX, 0, 0}));
    const Fighter blank = Load("health = ten\nposx = 12\n");
    EXPECT_EQ(fields(blank), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 12, 0}));
    EXPECT_EQ("", blank.name);
    EXPECT_EQ(2u, blank.settings.size());

    Fighter doomed = Load("health = -99999999999\n");
    BattleState battle;
    ApplyDamage(battle, doomed, 6);
    EXPECT_TRUE(doomed.dead);
    EXPECT_EQ(0, doomed.hitPoints);
}

// A speed picks a row of the 13-row phase table. A marker flies 2 pixels a frame and the
// battle waits for it, so a fighter far off the window (or at infinity, which 400 digits
// read as) would stop the battle for good.
TEST_F(FighterFile, SpeedsWithoutAPhaseRowAndFarOffPositionsStopTheStart) {
    const std::string speed = " in NPCs\\fighter3.cfg (must be 0 to 12)";
    const std::string position = " in NPCs\\fighter3.cfg (must be -1000 to 1000)";
    const std::pair<std::string, std::string> refused[] = {
        {"speed = 13\n", "Bad speed 13" + speed},
        {"speed = -1\n", "Bad speed -1" + speed},
        {"posx = 99999999999999999999\n", "Bad position 1e+20" + position},
        {"posx = 5\nposy = -1001\n", "Bad position -1001" + position},
        {"posx = " + std::string(400, '9') + "\n", "Bad position inf" + position}};
    for (const auto& [file, error] : refused) {
        EXPECT_EQ(error, LoadError(file));
    }
    const Fighter edge = Load("speed = -0.5\nposx = -1000\nposy = 1000\n");
    EXPECT_EQ((std::vector<float>{0, -1000, 1000}),
              (std::vector<float>{float(edge.speed), edge.x, edge.y}));
}

} // namespace
