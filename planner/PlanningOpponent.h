#pragma once

#include "insight/InfoStrip.h"
#include "planner/PlannedOrder.h"
#include "planner/PlannerThread.h"

#include <cstdint>
#include <optional>

class BattleState;

// The planner in the game, thinking on a thread of its own. At hard difficulty it decides
// for every computer fighter: the fighter waits, the frames go on being drawn, and the
// order is given in the first frame after the answer came. For the player's waiting
// fighter, H shows what the planner would order (the hint) without giving it.
//
// A question is tied to the fighter and the moment it was asked for; an answer that comes
// back after the battle has moved on is dropped.
class PlanningOpponent {
public:
    // Forgets every question: a new battle is about to start.
    void StartBattle();

    // A computer fighter's decision, at hard difficulty; false at normal, where the rule
    // decides. The planner's seed is one throw of the game's dice in the frame of asking.
    bool Decide(BattleState& battle);

    // After the player's command handling in a frame in which a fighter of team 1 waited:
    // H asks for a hint, and a hint for the fighter still waiting is drawn.
    void Hint(BattleState& battle);

    // The line in the information strip: its top line, left of the win chance.
    static constexpr int32_t kHintX = 12, kHintY = InfoStrip::kTop;

private:
    enum class Asked { Nothing, Order, Hint };
    struct Moment {
        int32_t fighter = -1; // place of the waiting fighter
        int32_t turn = 0;
        int32_t phase = 0;
        bool operator==(const Moment& other) const {
            return fighter == other.fighter && turn == other.turn && phase == other.phase;
        }
    };
    static Moment Now(const BattleState& battle);
    void DrawHint(BattleState& battle, const PlannedOrder& hint) const;

    PlannerThread thread_;
    Asked asked_ = Asked::Nothing;
    Moment askedAt_;
    std::optional<PlannedOrder> hint_;
};
