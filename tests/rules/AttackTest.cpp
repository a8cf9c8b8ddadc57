#include "rules/MeleeAttack.h"
#include "rules/MissileAttack.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

class AttackTest : public HandBuiltBattle {
protected:
    void Act(int actions, void (*action)(BattleState&, Fighter&) = MeleeAction) {
        for (int i = 0; i < actions; ++i) {
            action(battle, ana);
        }
    }

    Fighter &ana = Add("Ana", 50, 50), &bo = Add("Bo", 70, 50);
};

// Eight actions per blow: the marker leaves silently at the seventh, the eighth rolls two
// dice against the skill (12 still hits, 2 still misses) and, on a hit only, one die of
// damage. A repeating blow is prepared again until it kills; a dead target ends any order
// silently.
TEST_F(AttackTest, BlowLaunchesAMarkerThenRollsTwoDiceThenDamage) {
    bo.hitPoints = 12;
    Arm(ana, bo, OrderCode::MeleeRepeat, 8);
    ScopedRandom dice({0, 1, 4, /**/ 5, 5, 0, /**/ 0, 0, /**/ 0, 0, 5});
    Act(6);
    EXPECT_TRUE(battle.missiles.empty());
    Act(1);
    EXPECT_EQ(battle.missiles.size(), 1u);
    EXPECT_EQ(dice.values.size(), 11u);
    Act(1);
    EXPECT_EQ(bo.hitPoints, 7);
    EXPECT_EQ(ana.countdown, 8);
    for (int32_t skill : {12, 1, 7}) {
        ana.meleeSkill = skill;
        ana.countdown = 1;
        Act(1);
    }
    EXPECT_EQ(ana.order, OrderCode::None);
    Arm(ana, bo, OrderCode::MeleeOnce, 5);
    Act(1);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(Log(),
              (Lines{"Ana swings at Bo!", "It hits for 1 damage!", "Ana swings at Bo!", "Miss!",
                     "Ana swings at Bo!", "It hits for 6 damage!", "Bo has been killed!"}))
        << "the newest seven lines";
    EXPECT_EQ(engine.sound->samples, Lines(3, "Sounds\\sword_hit.wav"));
}

// The blow lands where the target stands when it falls due: under 24 pixels, or it misses
// with its line and the order ends.
TEST_F(AttackTest, BlowReachesUnderTwentyFourOnly) {
    ScopedRandom dice({0, 0, 0});
    bo.x = 74.0f;
    Arm(ana, bo, OrderCode::MeleeRepeat, 1);
    Act(1);
    EXPECT_EQ(ana.order, OrderCode::None);
    bo.x = 73.9f;
    Arm(ana, bo, OrderCode::MeleeOnce, 1);
    Act(1);
    EXPECT_EQ(Log(), (Lines{"Target out of range!", "Ana swings at Bo!", "It hits for 1 damage!"}));
}

// An approach steps until the target is closer than 24; the action that finds it so already
// counts as the first of the blow's eight, of the same kind, once or repeated.
TEST_F(AttackTest, ApproachFollowsTheTargetUntilCloserThanTwentyFour) {
    bo.x = 74.5f;
    ana.order = OrderCode::ApproachMeleeOnce;
    ana.target = &bo;
    Act(1, ApproachStep); // 24.5: one step
    bo.x = 75.0f;         // exactly 24.0: another
    Act(1, ApproachStep);
    EXPECT_EQ(ana.x, 52.0f);
    bo.x = 75.9f;
    Act(1, ApproachStep);
    EXPECT_EQ(ana.order, OrderCode::MeleeOnce);
    EXPECT_EQ(ana.countdown, 7);
    ana.order = OrderCode::ApproachMeleeRepeat;
    Act(1, ApproachStep);
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);
}

// Range plays no part and the missile skill counts; the bow sounds as the marker leaves,
// a hit has its own sound, and the damage die has four sides.
TEST_F(AttackTest, ShotAcrossTheFieldFiresThenHitsAndRepeatsEveryTwentyFour) {
    ana.x = ana.y = 8;
    bo.x = bo.y = 248;
    ana.meleeSkill = 1;
    Arm(ana, bo, OrderCode::MissileRepeat, 24);
    ScopedRandom dice({2, 3, 7});
    Act(22, MissileAction);
    EXPECT_TRUE(engine.sound->samples.empty());
    Act(1, MissileAction);
    EXPECT_EQ(battle.missiles.size(), 1u);
    Act(1, MissileAction);
    EXPECT_EQ(engine.sound->samples, (Lines{"Sounds\\arrow_fire.wav", "Sounds\\arrow_hit.wav"}));
    EXPECT_EQ(Log(), (Lines{"Ana fires a missile attack at Bo!", "It hits for 4 damage!"}));
    EXPECT_EQ(ana.order, OrderCode::MissileRepeat);
    EXPECT_EQ(ana.countdown, 24);
}
