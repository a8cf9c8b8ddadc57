#pragma once

#include <cstdint>
#include <string>

class BattleState;

// An order the planner chose for the front fighter of a battle's decision queue, named by
// places in the fighter list so that it holds for any copy of the battle. It gives the
// order the player's command would, so the rules accept it as they accept a click.
struct PlannedOrder {
    enum class Kind { Hold, Walk, Strike, Shoot };

    Kind kind = Kind::Hold;
    int32_t target = -1; // Strike and Shoot: the enemy's place
    float x = 0.0f;      // Walk: where the fighter is to stand
    float y = 0.0f;
    double winChance = 0.0; // the deciding side's, as the playouts found it

    // The player's command button for it: 1 Move, 2 Hold, 4 strike and 6 shoot until dead.
    int32_t Command() const;
    // "strike Gorath until dead", "walk to 120, 64", "hold".
    std::string Words(const BattleState& battle) const;
    // Sets the front fighter's order and ends the decision. An attack given not `untilDead`
    // is made once, and the fighter is asked again after it.
    void Give(BattleState& battle, bool untilDead = true) const;
};
