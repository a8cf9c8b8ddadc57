#pragma once

#include <cstdint>

class BattleState;
class Fighter;

// Orders without a mouse for the player's waiting fighter, after the pointer's handling
// in the same frame. With an attack chosen (commands 3 to 6), Tab and Shift+Tab step the
// target through the living enemies in list order, wrapping round, and Enter gives the
// order; the target is ringed and named as under the pointer. With Move chosen, the arrow
// keys move a marked point one tile within the field, starting where the fighter stands,
// its walking time beside it, and Enter sends the fighter there. Nothing shows until one
// of these keys is used, so a player at the mouse sees the battle as ever. A new fighter
// or a new command starts afresh.
class KeyboardOrders {
public:
    static constexpr float kTile = 16.0f;

    void Frame(BattleState& battle);

    // The living enemy of `fighter` after `from` in the battle's list (before it when
    // `back`), round the end; from null, the first (or last). Null when none lives.
    static Fighter* NextTarget(const BattleState& battle, const Fighter& fighter,
                               const Fighter* from, bool back);

private:
    void Forget();

    const Fighter* asked_ = nullptr;
    int32_t command_ = 0;
    Fighter* target_ = nullptr;
    bool marked_ = false;
    float pointX_ = 0.0f, pointY_ = 0.0f;
};
