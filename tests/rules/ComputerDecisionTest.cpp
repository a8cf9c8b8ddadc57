#include "rules/ComputerDecision.h"

#include "tests/rules/RulesFixture.h"
#include "tests/support/ScopedRandom.h"

// The computer attacks only the first four fighters of the list, whatever their side.
class ComputerTest : public RulesTest {
protected:
    ComputerTest()
        : a(Add("A", 20, 20, 1)), b(Add("B", 20, 100, 1)), c(Add("C", 20, 180, 1)),
          d(Add("D", 100, 20, 1)), me(Add("Me", 100, 100, 2)) {}

    Fighter& Decide(int32_t melee, int32_t missile, std::deque<int> draws = {}) {
        me.meleeSkill = melee;
        me.missileSkill = missile;
        ScopedRandom random(std::move(draws));
        Ask(me);
        DecideComputerOrder(battle);
        EXPECT_TRUE(random.values.empty()) << "not every scripted value was drawn";
        EXPECT_FALSE(battle.awaitingOrder);
        EXPECT_TRUE(battle.decisionQueue.empty());
        return me;
    }

    Fighter &a, &b, &c, &d, &me;
};

TEST_F(ComputerTest, HigherSkillPicksTheAttackWithoutDrawing) {
    a.x = 80; // 28.3 from Me, the nearest
    a.y = 80;
    Decide(7, 5);
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
    EXPECT_EQ(me.target, &a);
    EXPECT_EQ(me.destX, 80.0f);
    EXPECT_FLOAT_EQ(me.stepX, -0.70710677f);
    EXPECT_EQ(me.countdown, 0);

    Decide(5, 7, {2});
    EXPECT_EQ(me.order, OrderCode::MissileRepeat);
    EXPECT_EQ(me.target, &c);
    EXPECT_EQ(me.countdown, 24);
    EXPECT_EQ(me.countdownStart, 24);
}

TEST_F(ComputerTest, EqualSkillsGiveMissileUpToFiftyAndMeleeFromFiftyOne) {
    Decide(6, 6, {150, 0}); // 150 % 100 = 50
    EXPECT_EQ(me.order, OrderCode::MissileRepeat);
    EXPECT_EQ(me.target, &a);
    Decide(6, 6, {51});
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
}

TEST_F(ComputerTest, NearestLivingOfTheFirstFourTiesKeepTheEarlier) {
    b.x = 80; // 20 from Me
    d.y = 80; // also 20 from Me, but later in the list
    a.dead = true;
    a.x = a.y = 100;           // on Me's spot, but dead
    Add("Fifth", 100, 110, 1); // 10 from Me, but not a candidate
    Decide(9, 1);
    EXPECT_EQ(me.target, &b);
    EXPECT_EQ(me.order, OrderCode::MeleeRepeat); // within 24: strikes in place
    EXPECT_EQ(me.countdown, 8);
    EXPECT_EQ(me.countdownStart, 8);

    b.x = 76; // exactly 24 still strikes in place
    d.y = 200;
    Decide(9, 1);
    EXPECT_EQ(me.order, OrderCode::MeleeRepeat);
    b.x = 75.5f;
    Decide(9, 1);
    EXPECT_EQ(me.order, OrderCode::ApproachMeleeRepeat);
}

TEST_F(ComputerTest, RandomMissileTargetRedrawsPastTheDead) {
    a.dead = c.dead = true;
    Decide(1, 9, {0, 6, 4, 3}); // A dead, C dead, A dead, D
    EXPECT_EQ(me.target, &d);
}

TEST_F(ComputerTest, NobodyLeftAmongTheFirstFourMeansHold) {
    a.dead = b.dead = c.dead = d.dead = true;
    Decide(6, 6);
    EXPECT_EQ(me.order, OrderCode::Hold);
    Decide(9, 1);
    EXPECT_EQ(me.order, OrderCode::Hold);
}
