#include "rules/MissileAttack.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

using Lines = std::vector<std::string>;

// The bow sounds as the marker leaves, one action before the shot is resolved; the hit
// has its own sound. Range plays no part.
TEST_F(RulesTest, ShotAcrossTheFieldFiresThenHitsWithAFourSidedDie) {
    Fighter& ana = Add("Ana", 8, 8);
    Fighter& bo = Add("Bo", 248, 248);
    Arm(ana, bo, OrderCode::MissileOnce, 24);
    ScopedRandom dice({2, 3, 7});
    for (int action = 1; action <= 22; ++action) {
        MissileAction(battle, ana);
    }
    EXPECT_TRUE(engine.sound->samples.empty());
    MissileAction(battle, ana);
    EXPECT_EQ(engine.sound->samples, Lines{"Sounds\\arrow_fire.wav"});
    EXPECT_EQ(battle.missiles.size(), 1u);
    MissileAction(battle, ana);
    EXPECT_EQ(engine.sound->samples, (Lines{"Sounds\\arrow_fire.wav", "Sounds\\arrow_hit.wav"}));
    EXPECT_EQ(Log(), (Lines{"Ana fires a missile attack at Bo!", "It hits for 4 damage!"}));
    EXPECT_EQ(bo.hitPoints, 26);
    EXPECT_EQ(ana.order, OrderCode::None);
}

TEST_F(RulesTest, RepeatingShotReArmsToTwentyFourAfterAMiss) {
    Fighter& ana = Add("Ana", 8, 8);
    Fighter& bo = Add("Bo", 100, 100);
    ana.missileSkill = 1;
    Arm(ana, bo, OrderCode::MissileRepeat, 1);
    ScopedRandom dice({0, 0});
    MissileAction(battle, ana);
    EXPECT_EQ(Log(), (Lines{"Ana fires a missile attack at Bo!", "Miss!"}));
    EXPECT_TRUE(engine.sound->samples.empty());
    EXPECT_EQ(ana.order, OrderCode::MissileRepeat);
    EXPECT_EQ(ana.target, &bo);
    EXPECT_EQ(ana.countdown, 24);
    EXPECT_EQ(ana.countdownStart, 24);
}

TEST_F(RulesTest, ShotAtOwnSpotPlaysItsSoundButLaunchesNoMarker) {
    Fighter& ana = Add("Ana", 50, 50);
    Arm(ana, ana, OrderCode::MissileOnce, 2);
    MissileAction(battle, ana);
    EXPECT_EQ(engine.sound->samples.size(), 1u);
    EXPECT_TRUE(battle.missiles.empty());
}
