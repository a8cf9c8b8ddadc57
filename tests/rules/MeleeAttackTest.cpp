#include "rules/MeleeAttack.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

// Eight actions per blow: the marker leaves at the seventh, the blow lands at the eighth
// with two dice against the skill and, on a hit, one die of damage.
TEST_F(RulesTest, BlowLaunchesAMarkerThenRollsTwoDiceThenDamage) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Arm(ana, bo, OrderCode::MeleeOnce, 8);
    ScopedRandom dice({0, 1, 4});
    for (int action = 1; action <= 7; ++action) {
        MeleeAction(battle, ana);
    }
    EXPECT_EQ(battle.missiles.size(), 1u);
    EXPECT_EQ(dice.drawn, 0);
    MeleeAction(battle, ana);
    EXPECT_EQ(Log(), (Lines{"Ana swings at Bo!", "It hits for 5 damage!"}));
    EXPECT_EQ(engine.sound->samples, Lines{"Sounds\\sword_hit.wav"});
    EXPECT_EQ(bo.hitPoints, 25);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdown, 0);
}

TEST_F(RulesTest, SkillTwelveAlwaysHitsSkillOneNeverAndAMissDrawsNoDamage) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    ana.meleeSkill = 12;
    Arm(ana, bo, OrderCode::MeleeOnce, 1);
    ScopedRandom dice({5, 5, 0, 0, 0}); // 12, then 2
    MeleeAction(battle, ana);
    ana.meleeSkill = 1;
    Arm(ana, bo, OrderCode::MeleeOnce, 1);
    MeleeAction(battle, ana);
    EXPECT_EQ(Log().back(), "Miss!");
    EXPECT_EQ(Log()[1], "It hits for 1 damage!");
    EXPECT_EQ(dice.drawn, 5);
    EXPECT_EQ(engine.sound->samples.size(), 1u);
}

TEST_F(RulesTest, RepeatingBlowReArmsUntilItKills) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    ScopedRandom dice({5, 5, 0, 0, 5});
    MeleeAction(battle, ana); // 12: a miss
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(ana.target, &bo);
    EXPECT_EQ(ana.countdown, 8);
    EXPECT_EQ(ana.countdownStart, 8);

    bo.hitPoints = 6;
    ana.countdown = 1;
    MeleeAction(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(Log(), (Lines{"Ana swings at Bo!", "Miss!", "Ana swings at Bo!",
                            "It hits for 6 damage!", "Bo has been killed!"}));

    Arm(ana, bo, OrderCode::MeleeRepeat, 5); // a dead target ends the order silently
    MeleeAction(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdownStart, 0);
    EXPECT_EQ(battle.messages.size(), 5u);
}

TEST_F(RulesTest, BlowAtTwentyFourIsOutOfRange) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 74, 50);
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    ScopedRandom dice({0, 0, 0});
    MeleeAction(battle, ana);
    EXPECT_EQ(Log(), Lines{"Target out of range!"});
    EXPECT_EQ(ana.order, OrderCode::None);

    bo.x = 73.9f;
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    MeleeAction(battle, ana);
    EXPECT_EQ(bo.hitPoints, 29);
}

// An approach aims at where the target stands now, and the action that finds it within
// reach already counts as the first of the blow's eight.
TEST_F(RulesTest, ApproachFollowsTheTargetUntilCloserThanTwentyFour) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 74.5f, 50);
    ana.order = OrderCode::ApproachMeleeRepeat;
    ana.target = &bo;
    ApproachStep(battle, ana); // 24.5: one step
    bo.x = 75.0f;              // exactly 24.0: another
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.x, 52.0f);
    bo.x = 52.0f;
    bo.y = 90.0f;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.y, 51.0f);
    EXPECT_EQ(ana.order, OrderCode::ApproachMeleeRepeat);
    EXPECT_EQ(ana.countdown, 0);

    bo.y = 74.9f;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(ana.countdown, 7);

    bo.dead = true;
    ana.order = OrderCode::ApproachMeleeOnce;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.target, nullptr);
}
