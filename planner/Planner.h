#pragma once

#include "planner/PlannedOrder.h"
#include "snapshot/ForwardPlay.h"

#include <cstdint>
#include <vector>

class BattleState;
struct BattleSnapshot;

// The planning opponent: for the fighter waiting for an order it weighs each order it
// could give (strike or shoot each living enemy until dead, hold, walk away from the
// nearest enemy or to either side) by giving it in copies of the battle and playing them
// forward with the game's own rules (ForwardPlay, the computer's rule deciding everything
// after), and chooses the order with the best outcome for the fighter's side.
//
// Every order is played on the same series of dice, so the differences between them are
// the orders' and not luck's; the weaker half is dropped after each round and the rest
// played further. The same snapshot and seed always give the same order.
//
// One per thread: it holds the battle record it plays on.
class Planner {
public:
    struct Budget {
        // Playouts of the first round, shared among the orders weighed; each later round
        // gives every order left as many as the first, the last twice as many.
        int32_t firstRound = 192;
        int32_t leastPerOrder = 6;
        int32_t horizonTurns = 60; // a playout still undecided then is judged by hit points
    };

    Planner() = default;
    explicit Planner(Budget budget) : budget_(budget) {}

    // The order for the front fighter of `from`'s decision queue; Hold when it has no
    // enemy left. `from` must be waiting for an order.
    PlannedOrder Decide(const BattleSnapshot& from, uint64_t seed);

    // A ForwardPlay decider: seeded with one throw of the battle's dice, as in the game.
    // An attack is weighed as kept up until the enemy falls but given once, as the game
    // gives it, so the fighter is weighed again after every blow or shot: an archer caught
    // up with walks away in time.
    void DecideIn(BattleState& battle);

    // The orders weighed for the waiting fighter, in a fixed order.
    static std::vector<PlannedOrder> Candidates(const BattleSnapshot& from);

private:
    struct Weighed {
        PlannedOrder order;
        double score = 0.0; // sums over the playouts so far
        double wins = 0.0;
        int32_t playouts = 0;
    };
    void PlayOut(const BattleSnapshot& from, uint64_t seed, int32_t first, int32_t count,
                 bool team1, Weighed& weighed);

    Budget budget_;
    ForwardPlay play_;
};
