#include "rules/MeleeAttack.h"

#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

using Lines = std::vector<std::string>;

namespace {
const std::vector<std::string> kSword{"Sounds\\sword_hit.wav"};
}

// Eight actions per blow: the marker leaves at the seventh, the dice fall at the eighth.
TEST_F(RulesTest, BlowLaunchesItsMarkerOneActionBeforeItLands) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Arm(ana, bo, OrderCode::MeleeOnce, 8);
    ScopedRandom dice({0, 1, 4});
    for (int action = 1; action <= 6; ++action) {
        MeleeAction(battle, ana);
    }
    EXPECT_TRUE(battle.missiles.empty());
    MeleeAction(battle, ana);
    EXPECT_EQ(battle.missiles.size(), 1u);
    EXPECT_EQ(dice.drawn, 0);
    MeleeAction(battle, ana);
    EXPECT_EQ(dice.drawn, 3); // first die, second die, damage
    EXPECT_EQ(Log(), (Lines{"Ana swings at Bo!", "It hits for 5 damage!"}));
    EXPECT_EQ(engine.sound->samples, kSword);
    EXPECT_EQ(bo.hitPoints, 25);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdown, 0);
}

TEST_F(RulesTest, SkillTwelveAlwaysHitsAndSkillOneNeverDoes) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    bo.hitPoints = 1000;
    ana.meleeSkill = 12;
    Arm(ana, bo, OrderCode::MeleeOnce, 1);
    ScopedRandom highest({5, 5, 0}); // double six: 12
    MeleeAction(battle, ana);
    EXPECT_EQ(Log().back(), "It hits for 1 damage!");

    ana.meleeSkill = 1;
    Arm(ana, bo, OrderCode::MeleeOnce, 1);
    highest.values = {0, 0}; // double one: 2, and no damage die on a miss
    MeleeAction(battle, ana);
    EXPECT_EQ(Log().back(), "Miss!");
    EXPECT_EQ(highest.drawn, 5);
    EXPECT_EQ(engine.sound->samples, kSword);
}

TEST_F(RulesTest, RepeatingBlowReArmsAfterAMissAndEndsOnAKill) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    ana.countdownStart = 8;
    ScopedRandom dice({5, 5, 0, 0, 5});
    MeleeAction(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(ana.target, &bo);
    EXPECT_EQ(ana.countdown, 8);
    EXPECT_EQ(ana.countdownStart, 8);

    bo.hitPoints = 6;
    ana.countdown = 1;
    MeleeAction(battle, ana);
    EXPECT_TRUE(bo.IsDead());
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdown, 0);
    EXPECT_EQ(Log(), (Lines{"Ana swings at Bo!", "Miss!", "Ana swings at Bo!",
                            "It hits for 6 damage!", "Bo has been killed!"}));
}

TEST_F(RulesTest, BlowNeedsTheTargetCloserThanTwentyFour) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 74, 50); // 24.0: out of reach
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    ScopedRandom dice({0, 0, 0});
    MeleeAction(battle, ana);
    EXPECT_EQ(Log(), Lines{"Target out of range!"});
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(dice.drawn, 0);

    bo.x = 73.9f;
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    MeleeAction(battle, ana);
    EXPECT_EQ(Log().back(), "It hits for 1 damage!");
}

TEST_F(RulesTest, AttackOnADeadTargetEndsSilently) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Arm(ana, bo, OrderCode::MeleeRepeat, 5);
    bo.dead = true;
    MeleeAction(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdown, 0);
    EXPECT_EQ(ana.countdownStart, 0);

    ana.order = OrderCode::ApproachMeleeOnce;
    ana.target = &bo;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.target, nullptr);
    EXPECT_TRUE(battle.messages.empty());
}

// An approach re-aims at the target every step and prepares the blow in the action that
// finds it within reach, counting that action as the first of eight.
TEST_F(RulesTest, ApproachWalksUntilWithinReachThenPrepares) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 74.5f, 50);
    ana.order = OrderCode::ApproachMeleeRepeat;
    ana.target = &bo;

    ApproachStep(battle, ana); // 24.5 away: one step to 23.5
    EXPECT_EQ(ana.x, 51.0f);
    EXPECT_EQ(ana.destX, 74.5f);
    EXPECT_EQ(ana.order, OrderCode::ApproachMeleeRepeat);

    bo.x = 75.0f; // exactly 24.0: still walking
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.x, 52.0f);

    bo.x = 52.0f; // the target walked off: the next step aims at where it stands now
    bo.y = 90.0f;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.x, 52.0f);
    EXPECT_EQ(ana.y, 51.0f);
    EXPECT_EQ(ana.countdown, 0);

    bo.y = 74.9f;
    ApproachStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(ana.countdown, 7);
    EXPECT_EQ(ana.countdownStart, 8);
}
