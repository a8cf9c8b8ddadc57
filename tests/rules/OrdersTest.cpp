#include "rules/Orders.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

using Lines = std::vector<std::string>;

// A hit pushes a prepared blow back by the damage; only past its start is it lost.
TEST_F(RulesTest, HitPushesBackOrCancelsAPreparedAttack) {
    Fighter& victim = Add("Ana", 50, 50);
    Fighter& other = Add("Bo", 70, 50);
    Arm(victim, other, OrderCode::MeleeRepeat, 8);

    victim.countdown = 5;
    ApplyDamage(battle, victim, 3);
    EXPECT_EQ(victim.countdown, 8);
    EXPECT_EQ(victim.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(victim.hitPoints, 27);
    EXPECT_TRUE(battle.messages.empty());

    victim.countdown = 6;
    ApplyDamage(battle, victim, 3);
    EXPECT_EQ(victim.order, OrderCode::None);
    EXPECT_EQ(victim.countdown, 0);
    EXPECT_EQ(victim.countdownStart, 0);
    EXPECT_EQ(Log(), Lines{"Ana has been cancelled!"});
}

TEST_F(RulesTest, HitWithoutRunningCountdownLeavesTheOrderAlone) {
    Fighter& holder = Add("Ana", 50, 50);
    holder.order = OrderCode::Hold;
    ApplyDamage(battle, holder, 6);
    EXPECT_EQ(holder.order, OrderCode::Hold);
    EXPECT_EQ(holder.countdown, 0);
}

TEST_F(RulesTest, KillingHitCancelsFirstThenKillsAndNeverGoesBelowZero) {
    Fighter& victim = Add("Ana", 50, 50);
    Arm(victim, Add("Bo", 70, 50), OrderCode::MissileOnce, 24);
    victim.countdown = 22;
    victim.hitPoints = 2;
    ApplyDamage(battle, victim, 4);
    EXPECT_EQ(Log(), (Lines{"Ana has been cancelled!", "Ana has been killed!"}));
    EXPECT_EQ(victim.hitPoints, 0);
    EXPECT_TRUE(victim.IsDead());
}

TEST_F(RulesTest, MarkerFliesTwoPixelsAFrameTowardsTheTargetsSpotAtLaunch) {
    Fighter& from = Add("Ana", 10, 10);
    Fighter& to = Add("Bo", 40, 50);
    LaunchMissile(battle, from, to);
    ASSERT_EQ(battle.missiles.size(), 1u);
    const Missile& m = battle.missiles[0];
    EXPECT_FLOAT_EQ(m.dx, 1.2f);
    EXPECT_FLOAT_EQ(m.dy, 1.6f);
    EXPECT_EQ(m.targetX, 40.0f);
    EXPECT_EQ(m.targetY, 50.0f);

    // Attacker and target on one spot: no direction, so no marker to wait for.
    LaunchMissile(battle, from, from);
    EXPECT_EQ(battle.missiles.size(), 1u);
}

TEST_F(RulesTest, GivingAnOrderEndsTheWait) {
    Fighter& fighter = Add("Ana", 10, 10);
    Ask(fighter);
    GiveOrder(battle);
    EXPECT_TRUE(battle.decisionQueue.empty());
    EXPECT_FALSE(battle.awaitingOrder);
}

// Only living fighters that act in the phase move, in list order, and later fighters see
// what earlier ones did.
TEST_F(RulesTest, DispatchActsByPhaseTableAndSkipsTheDead) {
    Fighter& slow = Add("Slow", 100, 100);
    Fighter& dead = Add("Dead", 100, 150);
    Fighter& holder = Add("Holder", 100, 200);
    for (Fighter* f : {&slow, &dead}) {
        f->order = OrderCode::Move;
        f->stepX = 1.0f;
        f->destX = 200.0f;
        f->destY = f->y;
    }
    slow.speed = 6; // phases 2, 4, ... 12
    dead.dead = true;
    holder.order = OrderCode::Hold;

    DispatchPhase(battle, 1);
    EXPECT_EQ(slow.x, 100.0f);
    DispatchPhase(battle, 2);
    EXPECT_EQ(slow.x, 101.0f);
    EXPECT_EQ(dead.x, 100.0f);
    EXPECT_EQ(holder.x, 100.0f);
    EXPECT_EQ(holder.order, OrderCode::Hold);
}

TEST_F(RulesTest, SecondAttackerDropsItsOrderWhenTheFirstKillsTheTargetInThatPhase) {
    Fighter& first = Add("Ana", 50, 50);
    Fighter& second = Add("Bo", 50, 70);
    Fighter& victim = Add("Cy", 70, 60);
    victim.hitPoints = 1;
    first.meleeSkill = 12;
    Arm(first, victim, OrderCode::MeleeOnce, 1);
    Arm(second, victim, OrderCode::MeleeRepeat, 1);
    ScopedRandom dice({0, 0, 0}); // only the first blow rolls

    DispatchPhase(battle, 1);
    EXPECT_TRUE(victim.IsDead());
    EXPECT_EQ(second.order, OrderCode::None);
    EXPECT_EQ(second.countdown, 0);
    EXPECT_EQ(dice.drawn, 3);
    EXPECT_EQ(Log().back(), "Cy has been killed!");
}
