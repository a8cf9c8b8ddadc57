#include "rules/Movement.h"

#include "rules/Orders.h"
#include "tests/support/HandBuiltBattle.h"

class MovementTest : public HandBuiltBattle {
protected:
    void Walk(Fighter& f, float destX, float destY) {
        f.order = OrderCode::Move;
        f.destX = destX;
        f.destY = destY;
        const float d = Distance(f.x, f.y, destX, destY);
        f.stepX = d > 0 ? (destX - f.x) / d : 0.0f; // what the Move command gives
        f.stepY = d > 0 ? (destY - f.y) / d : 0.0f;
    }

    Fighter& ana = Add("Ana", 100, 100);
};

// A pixel a step, arriving once within a pixel on both axes (109 is not), whichever way;
// a walk to where one stands ends at the first step.
TEST_F(MovementTest, WalksArriveWithinAPixelOnBothAxes) {
    for (auto [x, y] : {std::pair{110.0f, 100.0f}, {100.0f, 90.0f}, {90.0f, 100.0f}}) {
        Walk(ana, x, y);
        for (int step = 1; step <= 9; ++step) {
            MoveStep(battle, ana);
            EXPECT_EQ(ana.order, OrderCode::Move) << x << "," << y << " step " << step;
        }
        MoveStep(battle, ana);
        EXPECT_EQ(ana.order, OrderCode::None);
        EXPECT_EQ(ana.x, x);
        EXPECT_EQ(ana.y, y);
        ana.x = ana.y = 100;
    }
    Walk(ana, 100, 100);
    DispatchPhase(battle, 12);
    EXPECT_EQ(ana.order, OrderCode::None);
}

// The new spot must be 12 pixels or more from every other living fighter.
TEST_F(MovementTest, LivingNeighbourCloserThanTwelveBlocks) {
    Fighter& other = Add("Cy", 112.9f, 100);
    Walk(ana, 150, 100);
    MoveStep(battle, ana); // new spot 11.9 away
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 100.0f);
    EXPECT_EQ(Log(), Lines{"Ana is blocked."});

    other.x = 113.0f; // exactly 12.0
    Walk(ana, 150, 100);
    MoveStep(battle, ana);
    other.x = 102.0f;
    other.dead = true;
    MoveStep(battle, ana);
    EXPECT_EQ(ana.x, 102.0f);
    EXPECT_EQ(ana.order, OrderCode::Move);
}
