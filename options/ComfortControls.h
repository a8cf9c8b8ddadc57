#pragma once

#include "options/KeyboardOrders.h"

#include <cstdint>

class BattleState;

// The player's comfort keys in a battle, taken from the frame's keys before the battle
// sees them: M mutes and unmutes, - and = step the sound volume, F steps the speed,
// F11 swaps window and full screen, P or Space pause. Every change that is an option
// goes to the sound layer and into options.cfg at once (the kernel's options).
//
// While paused nothing moves: the field is shown as it stands under "Paused", drawn again
// only when the window was uncovered, and the loop sleeps between looks at the keys.
// Without a kernel (headless battles) nothing here applies and the speed is 1.
class ComfortControls {
public:
    // First in every battle frame. True when the battle must stand still this frame
    // (paused); this has then drawn or rested.
    bool TakeFrame(BattleState& battle);
    // Steps the computer's work takes per frame: 1, 2 or 4.
    int32_t Speed() const;
    bool Paused() const { return paused_; }

    KeyboardOrders keyboard; // called by the battle after the pointer's order handling

private:
    bool TakeKey(int32_t key, const BattleState& battle);
    void StillFrame(BattleState& battle);

    bool paused_ = false;
    bool drawn_ = false; // the still frame is on the screen
};
