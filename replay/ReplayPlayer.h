#pragma once

#include "replay/Recording.h"

#include <cstddef>
#include <string>

class BattleState;

// Plays a recording on a battle record with the game's own rules: a fighter waiting for
// an order gets the recorded one, a phase draws the recorded dice. Wherever the rules go
// another way than the recording says — an order for someone else, more or fewer dice,
// other fighters after a phase, another end — it stops and says where.
class ReplayPlayer {
public:
    explicit ReplayPlayer(const Recording& recording) : recording_(recording) {}

    // Makes `battle` the recording's start.
    void Begin(BattleState& battle);

    // Headless: one step as the game's loop would take it (markers land at once). False
    // once the battle is over or has gone another way.
    bool Step(BattleState& battle);

    // The parts of a step, for a loop that draws: the order for a waiting fighter, then
    // around the phase step the loop takes itself, Dice() answering its draws and
    // AfterPhase checking where it went.
    bool GiveOrder(BattleState& battle);
    int Dice();
    void AfterPhase(BattleState& battle, int32_t phaseBefore, int32_t turnBefore);

    // The whole recording played headless on `battle`, its sounds going nowhere. True when
    // it matched, with `verdict` "Victory after 12 turns"; else `verdict` says where it
    // went another way.
    static bool Verify(const Recording& recording, BattleState& battle, std::string& verdict);

    // Empty while everything went as recorded; else "turn 3, phase 7: ...".
    const std::string& Divergence() const { return divergence_; }
    // The battle ended as the recording says, with every step played.
    bool Matches(const BattleState& battle) const;

private:
    void Diverge(const BattleState& battle, const std::string& what);
    const Recording::Step* Next(Recording::Step::Kind kind) const;

    const Recording& recording_;
    std::size_t next_ = 0;   // the next step to play
    std::size_t drawn_ = 0;  // dice drawn of the next phase step
    bool overdrawn_ = false; // a draw found no recorded value
    std::string divergence_;
};
