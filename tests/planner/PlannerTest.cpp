#include "planner/Planner.h"
#include "planner/PlanningOpponent.h"
#include "rules/Orders.h"
#include "simulate/HeadlessBattle.h"
#include "snapshot/BattleSnapshot.h"
#include "snapshot/ForwardPlay.h"
#include "tests/support/GameProcess.h"
#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Small enough that a test plays many decisions in well under a second.
const Planner::Budget kQuick{24, 2, 20};

bool InField(float at) {
    return at >= kFieldFirstPosition && at <= kFieldLastPosition;
}

} // namespace

class PlannerTest : public HandBuiltBattle {
protected:
    // Two of each side; the first of team 1 waits, a blade and a bow on each side.
    void FourFighters() {
        Add("Ashka", 40, 56, 1).meleeSkill = 9;
        Add("Bren", 24, 120, 1).missileSkill = 9;
        Add("Orc", 200, 60).meleeSkill = 9;
        Add("Imp", 230, 140).missileSkill = 9;
        Ask(*battle.fighters[0]);
    }
    static Fighter& Skills(Fighter& f, int32_t melee, int32_t missile) {
        f.meleeSkill = melee;
        f.missileSkill = missile;
        return f;
    }
};

// A dying enemy within reach who would strike hard, and a harmless one across the field:
// striking the dying one first wins plainly, for either side. The computer's rule would
// shoot a random one. Team 1 fills the first four places, which the rule attacks.
TEST_F(PlannerTest, StrikesTheDyingEnemyInReachRatherThanTheHealthyOneFarOff) {
    for (const int32_t side : {1, 2}) {
        battle.fighters.clear();
        const int32_t enemies = side == 1 ? 2 : 1;
        const auto own = [&] { Skills(Add("Kesh", 100, 100, side), 9, 10).hitPoints = 6; };
        const auto theirs = [&] {
            Skills(Add("Far", 240, 240, enemies, 1), 3, 3);
            Skills(Add("Dying", 116, 100, enemies), 9, 3).hitPoints = 1;
        };
        side == 1 ? own() : theirs();
        for (std::size_t gone = battle.fighters.size(); gone < 4; ++gone) {
            Add("Gone", 8, 8.0f + 20 * gone, 1).dead = true;
        }
        side == 1 ? theirs() : own();
        Ask(*battle.fighters[side == 1 ? 0 : 4]);
        const PlannedOrder order = Planner().Decide(BattleSnapshot::Capture(battle), 5);
        EXPECT_EQ(order.Words(battle), "strike Dying until dead") << "side " << side;
        EXPECT_GT(order.winChance, 0.6);
        order.Give(battle);
        EXPECT_EQ(battle.fighters[side == 1 ? 0 : 4]->order, OrderCode::MeleeRepeat);
    }
}

// Each living enemy may be struck or shot, unless the fighter's skill at it is hopeless
// beside the other; it may hold, and walk away from the nearest enemy or to either side of
// that, where the field's edge leaves room.
TEST_F(PlannerTest, WeighsEachUsefulAttackOnEachLivingEnemyHoldingAndWaysAway) {
    using Kind = PlannedOrder::Kind;
    FourFighters();
    battle.fighters[3]->dead = true;
    const auto kinds = [&] {
        std::vector<std::pair<Kind, int32_t>> seen;
        for (const PlannedOrder& o : Planner::Candidates(BattleSnapshot::Capture(battle))) {
            seen.emplace_back(o.kind, o.target);
        }
        return seen;
    };
    using Row = std::vector<std::pair<Kind, int32_t>>;
    const std::pair<Kind, int32_t> walk{Kind::Walk, -1};
    EXPECT_EQ(kinds(),
              (Row{{Kind::Strike, 2}, {Kind::Shoot, 2}, {Kind::Hold, -1}, walk, walk, walk}));

    battle.fighters[0]->meleeSkill = 3; // bows only, pressed into the corner
    battle.fighters[0]->x = battle.fighters[0]->y = 8;
    battle.fighters[2]->x = battle.fighters[2]->y = 30;
    ASSERT_EQ(kinds(), (Row{{Kind::Shoot, 2}, {Kind::Hold, -1}, walk, walk}));
    const auto along = Planner::Candidates(BattleSnapshot::Capture(battle)); // both walls
    EXPECT_EQ(along[2].y, 8.0f);
    EXPECT_EQ(along[3].x, 8.0f);
    EXPECT_NEAR(along[3].y, 8.0f + 48.0f / std::sqrt(2.0f), 0.01f);

    Skills(*battle.fighters[2], 5, 8); // a bow does not come to strike, unless it walks up
    EXPECT_EQ(kinds(), (Row{{Kind::Shoot, 2}, {Kind::Hold, -1}}));
    for (const OrderCode striking :
         {OrderCode::MeleeOnce, OrderCode::MeleeRepeat, OrderCode::ApproachMeleeOnce,
          OrderCode::ApproachMeleeRepeat}) {
        battle.fighters[2]->order = striking;
        EXPECT_EQ(kinds().size(), 4u) << static_cast<int>(striking);
    }

    battle.fighters[2]->dead = true; // nobody left to fight
    EXPECT_EQ(kinds(), (Row{{Kind::Hold, -1}}));
}

// The planner gives its attacks once and asks again after each: that must cost no time,
// every blow and shot landing in the action in which one kept up would land.
TEST_F(PlannerTest, AnAttackGivenOnceAndAgainLandsWhenOneKeptUpWould) {
    Add("Ashka", 40, 40, 1, 7);
    Add("Wall", 60, 40).hitPoints = 900;
    const auto left = [&](PlannedOrder order, bool untilDead) {
        ForwardPlay play;
        play.SetTeam1Decider([&](BattleState& b) { order.Give(b, untilDead); });
        play.SetOthersDecider([](BattleState& b) { PlannedOrder{}.Give(b); });
        play.Play(BattleSnapshot::Capture(battle), 3, 0, 40);
        return play.Battle().fighters[1]->hitPoints;
    };
    for (const auto kind : {PlannedOrder::Kind::Strike, PlannedOrder::Kind::Shoot}) {
        const int32_t once = left({kind, 1}, false);
        EXPECT_EQ(once, left({kind, 1}, true)) << static_cast<int>(kind);
        EXPECT_LT(once, 890) << "attacks landed";
    }
}

// Whole battles with the planner on every side, a third team among them: every order it
// gives is one the player's commands could give.
TEST_F(PlannerTest, NeverGivesAnOrderTheRulesRefuse) {
    FourFighters();
    Add("Wolf", 150, 200, 3).meleeSkill = 8;
    HeadlessBattle headless(BattleSnapshot::Capture(battle).fighters);
    Planner planner(kQuick);
    int32_t decisions = 0;
    const auto checked = [&](BattleState& b) {
        Fighter& f = *b.decisionQueue.front();
        planner.DecideIn(b);
        ++decisions;
        EXPECT_FALSE(b.awaitingOrder);
        if (f.order == OrderCode::Hold || f.order == OrderCode::Move) {
            EXPECT_TRUE(f.order == OrderCode::Hold || (InField(f.destX) && InField(f.destY)));
            return;
        }
        ASSERT_TRUE(f.target != nullptr && !f.target->dead) << f.name;
        EXPECT_NE(f.target->team == 1, f.team == 1) << f.name << " at " << f.target->name;
        const bool inReach = Distance(f.x, f.y, f.target->x, f.target->y) < kMeleeReach;
        // Once: the fighter is weighed again after the attack.
        EXPECT_TRUE(f.order == OrderCode::MissileOnce ||
                    f.order == (inReach ? OrderCode::MeleeOnce : OrderCode::ApproachMeleeOnce))
            << static_cast<int>(f.order);
    };
    headless.Player().SetTeam1Decider(checked);
    headless.Player().SetOthersDecider(checked);
    for (uint64_t i = 0; i < 3; ++i) {
        headless.Play(4, i, 200);
    }
    EXPECT_GT(decisions, 12);
}

// The game's side: hard difficulty in the options, the planner on its thread.
using PlanningOpponentTest = PlannerTest;

TEST_F(PlanningOpponentTest, HardDecidesOnItsThreadWithOneThrowOfTheDiceNormalLeavesItToTheRule) {
    FourFighters();
    Fighter& orc = *battle.fighters[2];
    Ask(orc);
    EXPECT_FALSE(battle.planning->Decide(battle)) << "normal";

    gKernel->options.difficulty = "hard";
    const BattleSnapshot asked = BattleSnapshot::Capture(battle);
    {
        ScopedRandom dice({4242});
        EXPECT_TRUE(battle.planning->Decide(battle));
    }
    EXPECT_TRUE(battle.awaitingOrder) << "the frame does not wait for the answer";
    ASSERT_TRUE(Eventually(10.0, [&] {
        battle.planning->Decide(battle);
        return !battle.awaitingOrder;
    }));

    // The same state and seed give the same order on any planner, fresh or not.
    BattleState expected;
    asked.Restore(expected);
    Planner planner;
    planner.Decide(asked, 1);
    planner.Decide(asked, 4242).Give(expected, false);
    EXPECT_TRUE(SameFighter(orc, *expected.fighters[2]));
    EXPECT_EQ(BattleSnapshot::Capture(battle).targets, BattleSnapshot::Capture(expected).targets);
}

TEST_F(PlanningOpponentTest, HShowsTheHintWithoutGivingTheOrder) {
    FourFighters();
    battle.turn = 3;                      // the hint's seed is 3 * 16 + 1
    for (int32_t id = 1; id <= 6; ++id) { // the command buttons, each with its picture
        battle.interface->elements.push_back({id, 1, 100 * id, 0, 0, 0, 40, 0});
    }
    const auto frame = [&] {
        engine.video->draws.clear();
        font->texts.clear();
        battle.planning->Hint(battle);
        engine.input->keysPressed.clear();
    };
    const auto hint = [&] { return font->texts.empty() ? "" : font->texts.back().text; };
    frame();
    EXPECT_TRUE(font->texts.empty()) << "nothing before H";
    engine.input->keysPressed = {'h'};
    ASSERT_TRUE(Eventually(10.0, [&] {
        frame();
        return hint().find("win chance") != std::string::npos;
    }));

    const PlannedOrder order = Planner().Decide(BattleSnapshot::Capture(battle), 3 * 16 + 1);
    EXPECT_EQ(hint(), "Hint: " + order.Words(battle) + " (win chance " +
                          std::to_string(static_cast<int>(std::lround(order.winChance * 100))) +
                          " %)");
    bool ringed = false, lit = false;
    for (const auto& d : engine.video->draws) {
        ringed |= d.sourceY == 32 && d.blue < 0.5f;
        lit |= d.sourceX == 100 * order.Command() + 40 && d.sourceWidth == 40;
    }
    EXPECT_EQ(ringed, order.kind != PlannedOrder::Kind::Hold);
    EXPECT_TRUE(lit) << "under the pointer: the picture to the right";
    EXPECT_TRUE(battle.awaitingOrder && battle.fighters[0]->order == OrderCode::None);

    GiveOrder(battle); // the player's own order: the hint goes
    frame();
    EXPECT_TRUE(font->texts.empty());
}
