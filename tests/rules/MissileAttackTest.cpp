#include "rules/MissileAttack.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

// Range plays no part; the bow sounds as the marker leaves, a hit has its own sound, and
// the damage die has four sides.
TEST_F(RulesTest, ShotAcrossTheFieldFiresThenHitsAndRepeatsEveryTwentyFour) {
    Fighter& ana = Add("Ana", 8, 8);
    Fighter& bo = Add("Bo", 248, 248);
    Arm(ana, bo, OrderCode::MissileRepeat, 24);
    ScopedRandom dice({2, 3, 7});
    for (int action = 1; action <= 23; ++action) {
        MissileAction(battle, ana);
    }
    EXPECT_EQ(engine.sound->samples, Lines{"Sounds\\arrow_fire.wav"});
    EXPECT_EQ(battle.missiles.size(), 1u);
    MissileAction(battle, ana);
    EXPECT_EQ(engine.sound->samples.back(), "Sounds\\arrow_hit.wav");
    EXPECT_EQ(Log(), (Lines{"Ana fires a missile attack at Bo!", "It hits for 4 damage!"}));
    EXPECT_EQ(bo.hitPoints, 26);
    EXPECT_EQ(ana.order, OrderCode::MissileRepeat);
    EXPECT_EQ(ana.countdown, 24);

    ana.missileSkill = 1;
    ana.order = OrderCode::MissileOnce;
    ana.countdown = 1;
    dice.values = {0, 0};
    MissileAction(battle, ana);
    EXPECT_EQ(Log().back(), "Miss!");
    EXPECT_EQ(engine.sound->samples.size(), 2u);
    EXPECT_EQ(ana.order, OrderCode::None);
}
