#include "rules/Movement.h"

#include "rules/Orders.h"
#include "tests/rules/RulesFixture.h"

namespace {

void WalkTo(Fighter& f, float destX, float destY) {
    const float d = Distance(f.x, f.y, destX, destY);
    f.order = OrderCode::Move;
    f.destX = destX;
    f.destY = destY;
    f.stepX = (destX - f.x) * (1.0f / d);
    f.stepY = (destY - f.y) * (1.0f / d);
}

} // namespace

TEST_F(RulesTest, WalkOfTenPixelsArrivesOnTheTenthStepWithoutSnapping) {
    Fighter& walker = Add("Ana", 100, 100);
    WalkTo(walker, 110, 100);
    for (int step = 1; step <= 9; ++step) {
        MoveStep(battle, walker);
        ASSERT_EQ(walker.order, OrderCode::Move) << "step " << step;
    }
    EXPECT_EQ(walker.x, 109.0f);
    MoveStep(battle, walker);
    EXPECT_EQ(walker.order, OrderCode::None);
    EXPECT_EQ(walker.x, 110.0f);
}

TEST_F(RulesTest, DiagonalWalkStopsWithinAPixelOnEachAxis) {
    Fighter& walker = Add("Ana", 20, 20);
    WalkTo(walker, 30, 30);
    int steps = 0;
    while (walker.order == OrderCode::Move && steps < 50) {
        MoveStep(battle, walker);
        ++steps;
    }
    // 14.1 pixels away, but 13 steps of 0.707 already end within a pixel of (30, 30).
    EXPECT_EQ(steps, 13);
    EXPECT_NEAR(walker.x, 29.19f, 0.01f);
    EXPECT_NEAR(walker.y, 29.19f, 0.01f);
}

// The new spot must be 12 pixels or more from every other living fighter.
TEST_F(RulesTest, LivingNeighbourCloserThanTwelveBlocksTheStep) {
    Fighter& walker = Add("Bob", 100, 100);
    Fighter& other = Add("Cy", 112.9f, 100);
    WalkTo(walker, 150, 100);
    MoveStep(battle, walker); // new spot 101: 11.9 away
    EXPECT_EQ(walker.order, OrderCode::None);
    EXPECT_EQ(walker.x, 100.0f);
    ASSERT_EQ(battle.messages.size(), 1u);
    EXPECT_EQ(battle.messages[0], "Bob is blocked.");
    EXPECT_EQ(battle.messages[0].size(), 15u);

    other.x = 113.0f; // exactly 12.0
    WalkTo(walker, 150, 100);
    MoveStep(battle, walker);
    EXPECT_EQ(walker.x, 101.0f);
    EXPECT_EQ(walker.order, OrderCode::Move);

    other.x = 102.0f;
    other.dead = true; // dead fighters are trodden over
    MoveStep(battle, walker);
    EXPECT_EQ(walker.x, 102.0f);
    EXPECT_EQ(battle.messages.size(), 1u);
}

TEST_F(RulesTest, MoveToOwnSpotEndsAtTheFirstActionWithoutMoving) {
    Fighter& walker = Add("Ana", 100, 100);
    walker.order = OrderCode::Move;
    walker.destX = walker.destY = 100.0f;
    walker.stepX = walker.stepY = 0.0f; // what the player's Move command gives here
    DispatchPhase(battle, 12);
    EXPECT_EQ(walker.order, OrderCode::None);
    EXPECT_EQ(walker.x, 100.0f);
    EXPECT_EQ(walker.y, 100.0f);
}
