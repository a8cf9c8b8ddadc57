#include "rules/ComputerDecision.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

// Me (100, 100) decides; the computer attacks only the first four, whatever their side,
// unless it is given the places to choose from.
class ComputerTest : public HandBuiltBattle {
protected:
    void Decide(int32_t melee, int32_t missile, std::deque<int> draws = {},
                std::vector<Fighter*> places = {}) {
        me.meleeSkill = melee;
        me.missileSkill = missile;
        ScopedRandom random(std::move(draws));
        Ask(me);
        if (places.empty()) {
            DecideComputerOrder(battle);
        } else {
            DecideComputerOrder(battle, places.data(), places.size());
        }
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
    Decide(6, 6, {150, 0});           // 150 % 100 = 50
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

// Shots draw again past the dead and the empty places; with nobody left the fighter holds.
TEST_F(ComputerTest, MissileTargetIsRedrawnPastTheDeadAndNobodyLeftMeansHold) {
    Fighter& you = Add("You", 100, 210); // 110 away; C is 113
    Decide(9, 1, {}, {&c, nullptr, &you});
    EXPECT_EQ(me.target, &you);
    Decide(1, 9, {1, 3}, {&c, nullptr, &you}); // the empty place, then 3 % 3: C
    EXPECT_EQ(me.target, &c);

    a.dead = c.dead = true;
    Decide(1, 9, {0, 6, 4, 3}); // A, C, A, D
    EXPECT_EQ(me.target, &d);
    b.dead = d.dead = true;
    Decide(6, 6);
    EXPECT_EQ(me.order, OrderCode::Hold);
}
