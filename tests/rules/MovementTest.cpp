#include "rules/Movement.h"

#include "rules/Orders.h"
#include "tests/support/HandBuiltBattle.h"

class MovementTest : public HandBuiltBattle {
protected:
    // The order the Move command gives, towards (x, y).
    void Walk(float x, float y) {
        const float d = Distance(ana.x, ana.y, x, y);
        ana.order = OrderCode::Move;
        ana.destX = x;
        ana.destY = y;
        ana.stepX = d > 0 ? (x - ana.x) / d : 0.0f;
        ana.stepY = d > 0 ? (y - ana.y) / d : 0.0f;
    }

    Fighter& ana = Add("Ana", 100, 100);
};

// A pixel a step, arriving once within a pixel on both axes (109 is not), whichever way;
// a walk to where one stands ends at the first step. The new spot must be 12 pixels or
// more from every other living fighter.
TEST_F(MovementTest, WalksArriveWithinAPixelUnlessALivingNeighbourBlocks) {
    for (auto [x, y] : {std::pair{110.0f, 100.0f}, {100.0f, 90.0f}, {90.0f, 100.0f}}) {
        ana.x = ana.y = 100;
        Walk(x, y);
        for (int step = 1; step <= 9; ++step) {
            MoveStep(battle, ana);
        }
        EXPECT_EQ(ana.order, OrderCode::Move) << x << "," << y;
        MoveStep(battle, ana);
        EXPECT_EQ(ana.order, OrderCode::None);
        EXPECT_EQ((std::pair{x, y}), (std::pair{ana.x, ana.y}));
    }
    ana.x = ana.y = 100;
    Walk(100, 100);
    DispatchPhase(battle, 12);
    EXPECT_EQ(ana.order, OrderCode::None);

    Fighter& other = Add("Cy", 112.9f, 100);
    Walk(150, 100);
    MoveStep(battle, ana); // new spot 11.9 away
    EXPECT_EQ(ana.order, OrderCode::None);
    EXPECT_EQ(ana.x, 100.0f);
    EXPECT_EQ(Log(), Lines{"Ana is blocked."});
    other.x = 113.0f; // exactly 12.0
    Walk(150, 100);
    MoveStep(battle, ana);
    other.x = 102.0f;
    other.dead = true;
    MoveStep(battle, ana);
    EXPECT_EQ(ana.x, 102.0f);
    EXPECT_EQ(ana.order, OrderCode::Move);
}
