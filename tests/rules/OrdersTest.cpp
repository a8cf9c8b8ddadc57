#include "rules/Orders.h"
#include "rules/MeleeAttack.h"
#include "rules/MissileAttack.h"
#include "rules/Movement.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

#include <tuple>

class OrdersTest : public HandBuiltBattle {
protected:
    // The order the Move command gives, towards (x, y).
    static void Walk(Fighter& f, float x, float y) {
        const float d = Distance(f.x, f.y, x, y);
        f.order = OrderCode::Move;
        f.destX = x;
        f.destY = y;
        f.stepX = d > 0 ? (x - f.x) / d : 0.0f;
        f.stepY = d > 0 ? (y - f.y) / d : 0.0f;
    }
    void Act(int actions, void (*action)(BattleState&, Fighter&) = MeleeAction) {
        for (int i = 0; i < actions; ++i) {
            action(battle, ana);
        }
    }

    Fighter &ana = Add("Ana", 50, 50), &bo = Add("Bo", 70, 50);
};

// Eight actions per blow: the marker leaves silently at the seventh, the eighth rolls two
// dice against the skill (12 still hits, 2 still misses) and, on a hit only, one die of
// damage. A repeating blow is prepared again until it kills.
TEST_F(OrdersTest, BlowLaunchesAMarkerThenRollsTwoDiceThenDamage) {
    bo.hitPoints = 12;
    Arm(ana, bo, OrderCode::MeleeRepeat, 8);
    ScopedRandom dice({0, 1, 4, /**/ 5, 5, 0, /**/ 0, 0, /**/ 0, 0, 5});
    Act(7);
    EXPECT_EQ(battle.missiles.size(), 1u);
    Act(1);
    EXPECT_EQ(bo.hitPoints, 7);
    EXPECT_EQ(ana.countdown, 8);
    for (int32_t skill : {12, 1, 7}) {
        ana.meleeSkill = skill;
        ana.countdown = 1;
        Act(1);
    }
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(Log(),
              (Lines{"Ana swings at Bo!", "It hits for 1 damage!", "Ana swings at Bo!", "Miss!",
                     "Ana swings at Bo!", "It hits for 6 damage!", "Bo has been killed!"}))
        << "the newest seven lines";
    EXPECT_EQ(engine.sound->samples, Lines(3, "Sounds\\sword_hit.wav"));
    EXPECT_EQ(battle.counts.At(0).attacks, 4);
    EXPECT_EQ(battle.counts.At(0).hits, 3);
}

// The blow lands where the target stands when it falls due: under 24 pixels, or it misses
// with its line and the order ends.
TEST_F(OrdersTest, BlowReachesUnderTwentyFourOnly) {
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
TEST_F(OrdersTest, ApproachFollowsTheTargetUntilCloserThanTwentyFour) {
    bo.x = 74.5f;
    Arm(ana, bo, OrderCode::ApproachMeleeOnce, 0);
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
TEST_F(OrdersTest, ShotAcrossTheFieldFiresThenHitsAndRepeatsEveryTwentyFour) {
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
    EXPECT_EQ(ana.countdown, 24);
}

// A hit pushes a prepared attack back by the damage; only past its start is it lost. The
// counts hear the hit points actually lost, so a killing blow counts only what was left.
TEST_F(OrdersTest, HitPushesBackCancelsAndKillsInThatOrder) {
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
    EXPECT_EQ(Log(), (Lines{"Ana has been cancelled!", "Ana has been killed!"}));
    ApplyDamage(battle, ana, 2, &bo); // no more to lose, nor to die of
    FighterCounts dealer, victim;
    dealer.dealt = victim.taken = 7;
    dealer.kills = 1;
    EXPECT_EQ(battle.counts.At(0), victim);
    EXPECT_EQ(battle.counts.At(1), dealer);
}

TEST_F(OrdersTest, MarkerFliesTwoPixelsAFrameTowardsTheTargetsSpotAndNeedsADirection) {
    LaunchMissile(battle, ana, Add("Cy", 80, 90));
    LaunchMissile(battle, ana, ana); // no direction: nothing the battle would wait for
    ASSERT_EQ(battle.missiles.size(), 1u);
    EXPECT_FLOAT_EQ(battle.missiles[0].dx, 1.2f);
    EXPECT_FLOAT_EQ(battle.missiles[0].dy, 1.6f);
    EXPECT_EQ(battle.missiles[0].targetY, 90.0f);
}

// Living fighters acting in the phase, in list order; later ones see earlier ones' work (a
// dead target ends an order silently). A one-blow approach steps like a repeated one.
TEST_F(OrdersTest, DispatchFollowsThePhaseTableAndListOrder) {
    Fighter& cy = Add("Cy", 70, 60);
    Fighter& walker = Add("Dee", 150, 150);
    cy.hitPoints = 1;
    ana.meleeSkill = 12;
    Arm(ana, cy, OrderCode::MeleeOnce, 1);
    Arm(bo, cy, OrderCode::MissileOnce, 1);
    Walk(walker, 200, 150);
    walker.speed = 6; // phases 2, 4, ... 12
    Fighter& eve = Add("Eve", 10, 200);
    Arm(eve, Add("Fay", 10, 240), OrderCode::ApproachMeleeOnce, 0);
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

// A pixel a step, arriving once within a pixel on both axes (109 is not), whichever way;
// a walk to where one stands ends at the first step. The new spot must be 12 pixels or
// more from every other living fighter.
TEST_F(OrdersTest, WalksArriveWithinAPixelUnlessALivingNeighbourBlocks) {
    for (auto [x, y] : {std::pair{110.0f, 100.0f}, {100.0f, 90.0f}, {90.0f, 100.0f}}) {
        ana.x = ana.y = 100;
        Walk(ana, x, y);
        for (int step = 1; step <= 9; ++step) {
            MoveStep(battle, ana);
        }
        EXPECT_EQ(ana.order, OrderCode::Move) << x << "," << y;
        MoveStep(battle, ana);
        EXPECT_EQ(ana.order, OrderCode::None);
        EXPECT_EQ((std::pair{x, y}), (std::pair{ana.x, ana.y}));
    }
    ana.x = ana.y = 100;
    Walk(ana, 100, 100);
    DispatchPhase(battle, 12);
    EXPECT_EQ(ana.order, OrderCode::None);

    Fighter& other = Add("Cy", 0, 0);
    for (auto [x, y] : {std::pair{112.9f, 100.0f}, {104.0f, 111.5f}}) { // 11.9, 11.88 away
        std::tie(other.x, other.y) = std::tie(x, y);
        Walk(ana, 150, 100);
        MoveStep(battle, ana);
        EXPECT_EQ(ana.order, OrderCode::None);
        EXPECT_EQ(ana.x, 100.0f);
    }
    EXPECT_EQ(Log(), (Lines{"Ana is blocked.", "Ana is blocked."}));
    std::tie(other.x, other.y) = std::pair{113.0f, 100.0f}; // exactly 12.0
    Walk(ana, 150, 100);
    MoveStep(battle, ana);
    other.x = 102.0f;
    other.dead = true;
    MoveStep(battle, ana);
    EXPECT_EQ(ana.x, 102.0f);
    EXPECT_EQ(ana.order, OrderCode::Move);
}
