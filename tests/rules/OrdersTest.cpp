#include "rules/Orders.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

using RulesTest = HandBuiltBattle;

// A hit pushes a prepared attack back by the damage; only past its start is it lost. The
// hook hears the hit points actually lost, so a killing blow counts only what was left.
TEST_F(RulesTest, HitPushesBackCancelsAndKillsInThatOrder) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 70, 50);
    Lines heard;
    battle.onHit = [&](const Fighter& attacker, const Fighter& victim, int32_t lost, bool killed) {
        heard.push_back(attacker.name + " " + victim.name + " " + std::to_string(lost) +
                        (killed ? " killed" : ""));
    };
    Arm(ana, bo, OrderCode::MeleeRepeat, 8);
    ana.countdown = 5;
    ana.hitPoints = 7;
    ApplyDamage(battle, ana, 3, &bo);
    EXPECT_EQ(ana.countdown, 8);
    EXPECT_EQ(ana.order, OrderCode::MeleeRepeat);

    ana.countdown = 6;
    ApplyDamage(battle, ana, 3, &bo);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.countdown, 0);
    EXPECT_EQ(ana.countdownStart, 0);

    ApplyDamage(battle, ana, 6, &bo);
    EXPECT_EQ(ana.hitPoints, 0);
    EXPECT_TRUE(ana.IsDead());
    EXPECT_EQ(Log(), (Lines{"Ana has been cancelled!", "Ana has been killed!"}));
    EXPECT_EQ(heard, (Lines{"Bo Ana 3", "Bo Ana 3", "Bo Ana 1 killed"}));
}

TEST_F(RulesTest, MarkerFliesTwoPixelsAFrameTowardsTheTargetsSpotAndNeedsADirection) {
    Fighter& ana = Add("Ana", 10, 10);
    LaunchMissile(battle, ana, Add("Bo", 40, 50));
    LaunchMissile(battle, ana, ana); // no direction: nothing the battle would wait for
    ASSERT_EQ(battle.missiles.size(), 1u);
    EXPECT_FLOAT_EQ(battle.missiles[0].dx, 1.2f);
    EXPECT_FLOAT_EQ(battle.missiles[0].dy, 1.6f);
    EXPECT_EQ(battle.missiles[0].targetY, 50.0f);
}

// Living fighters acting in the phase, in list order; later ones see earlier ones' work.
// A one-blow approach steps like a repeated one.
TEST_F(RulesTest, DispatchFollowsThePhaseTableAndListOrder) {
    Fighter& ana = Add("Ana", 50, 50);
    Fighter& bo = Add("Bo", 50, 70);
    Fighter& cy = Add("Cy", 70, 60);
    Fighter& walker = Add("Dee", 150, 150);
    cy.hitPoints = 1;
    ana.meleeSkill = 12;
    Arm(ana, cy, OrderCode::MeleeOnce, 1);
    Arm(bo, cy, OrderCode::MissileOnce, 1);
    walker.order = OrderCode::Move;
    walker.stepX = 1.0f;
    walker.destX = 200.0f;
    walker.speed = 6; // phases 2, 4, ... 12
    Fighter& eve = Add("Eve", 10, 200);
    eve.order = OrderCode::ApproachMeleeOnce;
    eve.target = &Add("Fay", 10, 240);
    ScopedRandom dice({0, 0, 0});

    DispatchPhase(battle, 1);
    EXPECT_EQ(eve.y, 201.0f);
    EXPECT_TRUE(cy.IsDead());
    EXPECT_EQ(bo.order, OrderCode::None); // its target died earlier in the phase
    EXPECT_EQ(walker.x, 150.0f);
    DispatchPhase(battle, 2);
    EXPECT_EQ(walker.x, 151.0f);
    walker.dead = true;
    DispatchPhase(battle, 2);
    EXPECT_EQ(walker.x, 151.0f);
}
