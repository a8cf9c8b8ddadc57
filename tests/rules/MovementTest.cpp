#include "rules/Movement.h"

#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"

class MovementTest : public RulesTest {
protected:
    void WalkRight(Fighter& f, float destX) {
        f.order = OrderCode::Move;
        f.destX = destX;
        f.destY = f.y;
        f.stepX = f.x == destX ? 0.0f : 1.0f; // what the Move command gives
        f.stepY = 0.0f;
    }

    Fighter& ana = Add("Ana", 100, 100);
};

TEST_F(MovementTest, WalkOfTenPixelsArrivesOnTheTenthStepAndZeroAtOnce) {
    WalkRight(ana, 110);
    for (int step = 1; step <= 9; ++step) {
        MoveStep(battle, ana);
    }
    EXPECT_EQ(ana.order, OrderCode::Move); // 109 is not within a pixel
    MoveStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 110.0f);

    WalkRight(ana, 110);
    DispatchPhase(battle, 12);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 110.0f);
}

// The new spot must be 12 pixels or more from every other living fighter.
TEST_F(MovementTest, LivingNeighbourCloserThanTwelveBlocks) {
    Fighter& other = Add("Cy", 112.9f, 100);
    WalkRight(ana, 150);
    MoveStep(battle, ana); // new spot 11.9 away
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 100.0f);
    EXPECT_EQ(Log(), Lines{"Ana is blocked."});

    other.x = 113.0f; // exactly 12.0
    WalkRight(ana, 150);
    MoveStep(battle, ana);
    other.x = 102.0f;
    other.dead = true;
    MoveStep(battle, ana);
    EXPECT_EQ(ana.x, 102.0f);
    EXPECT_EQ(ana.order, OrderCode::Move);
}
