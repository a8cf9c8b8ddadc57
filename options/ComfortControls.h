#pragma once

#include "options/KeyboardOrders.h"
#include "options/Options.h"
#include "options/OptionsScreen.h"

#include <cstdint>

class BattleState;

// The player's comfort keys in a battle, taken from the frame's keys before the battle
// sees them: M mutes and unmutes, - and = step the sound volume, F steps the speed,
// F11 swaps window and full screen, P or Space pause, F1 or ? show the help until any
// key, O opens the options screen until Escape. Every change that is an option goes to
// the sound layer and into options.cfg at once (the kernel's options).
//
// While paused, or while the help or the options are shown, nothing moves: the field is
// shown as it stands under the banner, or the help or the options in its place, drawn
// again only when what it shows changed or the window was uncovered, and the loop sleeps between
// looks at the keys. Without a kernel (headless battles) nothing here applies and the speed is 1.
class ComfortControls {
public:
    enum class Shown { Battle, Help, Options };

    // First in every battle frame. True when the battle must stand still this frame;
    // this has then drawn or rested.
    bool TakeFrame(BattleState& battle);
    // Steps the computer's work takes per frame: 1, 2 or 4, or fixedSpeed when set.
    int32_t Speed() const;
    // Above 0, the speed whatever the options say, which stay as the player set them (a
    // replay is watched a step a frame).
    int32_t fixedSpeed = 0;
    bool Paused() const { return paused_; }
    // The bottom line of the strip under the log: where the keys are told, and the options
    // away from their defaults ("Speed 4 x   Muted"). Part of every battle picture.
    void DrawStatus(const BattleState& battle) const;
    Shown Showing() const { return shown_; }

    KeyboardOrders keyboard; // called by the battle after the pointer's order handling

private:
    bool TakeKey(int32_t key, const BattleState& battle, Options& options);
    void StillFrame(BattleState& battle, const Options& options);

    bool paused_ = false;
    Shown shown_ = Shown::Battle;
    OptionsScreen screen_;
    // What the still frame on the screen shows; drawn again when any of it changes.
    bool drawn_ = false;
    Shown drawnShown_ = Shown::Battle;
    int32_t drawnRow_ = 0;
    Options drawnOptions_;
};
