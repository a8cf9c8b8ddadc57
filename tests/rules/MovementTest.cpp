#include "rules/Movement.h"

#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"

namespace {

void WalkRight(Fighter& f, float destX) {
    f.order = OrderCode::Move;
    f.destX = destX;
    f.destY = f.y;
    f.stepX = 1.0f;
    f.stepY = 0.0f;
}

} // namespace

TEST_F(RulesTest, WalkOfTenPixelsArrivesOnTheTenthStep) {
    Fighter& ana = Add("Ana", 100, 100);
    WalkRight(ana, 110);
    for (int step = 1; step <= 9; ++step) {
        MoveStep(battle, ana);
    }
    EXPECT_EQ(ana.order, OrderCode::Move); // 109 is not within a pixel
    MoveStep(battle, ana);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 110.0f);
}

// The new spot must be 12 pixels or more from every other living fighter.
TEST_F(RulesTest, LivingNeighbourCloserThanTwelveBlocks) {
    Fighter& bob = Add("Bob", 100, 100);
    Fighter& other = Add("Cy", 112.9f, 100);
    WalkRight(bob, 150);
    MoveStep(battle, bob); // new spot 11.9 away
    EXPECT_EQ(bob.order, OrderCode::None);
    EXPECT_EQ(bob.x, 100.0f);
    EXPECT_EQ(Log(), Lines{"Bob is blocked."});

    other.x = 113.0f; // exactly 12.0
    WalkRight(bob, 150);
    MoveStep(battle, bob);
    other.x = 102.0f;
    other.dead = true;
    MoveStep(battle, bob);
    EXPECT_EQ(bob.x, 102.0f);
    EXPECT_EQ(bob.order, OrderCode::Move);
}

TEST_F(RulesTest, MoveOntoOwnSpotEndsAtTheFirstActionWithoutMoving) {
    Fighter& ana = Add("Ana", 100, 100);
    WalkRight(ana, 100);
    ana.stepX = 0.0f; // what the Move command gives for a zero distance
    DispatchPhase(battle, 12);
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 100.0f);
}
