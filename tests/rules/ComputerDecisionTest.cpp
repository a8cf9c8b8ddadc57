#include "rules/ComputerDecision.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

// Me (100, 100) decides; the computer attacks only the first four, whatever their side.
class ComputerTest : public HandBuiltBattle {
protected:
    void Decide(int32_t melee, int32_t missile, std::deque<int> draws = {}) {
        me.meleeSkill = melee;
        me.missileSkill = missile;
        ScopedRandom random(std::move(draws));
        Ask(me);
        DecideComputerOrder(battle);
        EXPECT_TRUE(random.values.empty()) << "fewer values drawn than scripted";
        EXPECT_FALSE(battle.awaitingOrder);
    }

    Fighter &a = Add("A", 20, 20, 1), &b = Add("B", 20, 100, 1), &c = Add("C", 20, 180, 1),
            &d = Add("D", 100, 20, 1), &me = Add("Me", 100, 100);
};

TEST_F(ComputerTest, SkillsPickTheAttackAndOnlyATieDrawsFiftyOneToFortyNine) {
    Decide(7, 5);
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
    Decide(5, 7, {2});
    EXPECT_EQ(me.order, OrderCode::MissileRepeat);
    EXPECT_EQ(me.target, &c);
    EXPECT_EQ(me.countdown, 24);
    EXPECT_EQ(me.countdownStart, 24); // a hit pushes it back, up to here
    Decide(6, 6, {150, 0}); // 150 % 100 = 50
    EXPECT_EQ(me.order, OrderCode::MissileRepeat);
    Decide(6, 6, {51});
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
}

TEST_F(ComputerTest, MeleeGoesForTheNearestLivingOfTheFirstFour) {
    a.dead = true;
    a.x = a.y = 100;           // on Me's spot, but dead
    Add("Fifth", 100, 110, 1); // 10 away, but not a candidate
    b.x = 75.5f;               // 24.5 away
    d.y = 75.5f;               // the same, later in the list
    Decide(9, 1);
    EXPECT_EQ(me.target, &b);
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
    EXPECT_FLOAT_EQ(me.stepX, -1.0f);

    b.x = 76; // exactly 24: strikes in place
    Decide(9, 1);
    EXPECT_EQ(me.order, OrderCode::MeleeRepeat);
    EXPECT_EQ(me.countdown, 8);
}

TEST_F(ComputerTest, MissileTargetIsRedrawnPastTheDeadAndNobodyLeftMeansHold) {
    a.dead = c.dead = true;
    Decide(1, 9, {0, 6, 4, 3}); // A, C, A, D
    EXPECT_EQ(me.target, &d);
    b.dead = d.dead = true;
    Decide(6, 6);
    EXPECT_EQ(me.order, OrderCode::Hold);
}

// Team 1 in a headless battle: the same rule over the fighters outside team 1, with empty
// places skipped by both the nearest search and the random draw.
TEST_F(ComputerTest, OtherCandidatesAreChosenTheSameWay) {
    Fighter& you = Add("You", 100, 130);
    me.x = 200;
    Fighter* candidates[] = {&me, nullptr, &you};
    const auto decideForA = [&](int32_t melee, int32_t missile, std::deque<int> draws) {
        a.meleeSkill = melee;
        a.missileSkill = missile;
        ScopedRandom random(std::move(draws));
        Ask(a);
        DecideComputerOrder(battle, candidates, 3);
        EXPECT_TRUE(random.values.empty());
    };
    decideForA(9, 1, {});
    EXPECT_EQ(a.target, &you); // 136 px away; Me is 197
    EXPECT_EQ(a.order, OrderCode::ApproachMeleeRepeat);
    decideForA(1, 9, {1, 3}); // the empty place, then 3 % 3: Me
    EXPECT_EQ(a.target, &me);
    EXPECT_EQ(a.order, OrderCode::MissileRepeat);
}
