#pragma once

class BattleState;

// Whether the battle has been decided. The game itself has no end; the loop, the restart
// and the balance simulator ask this after each phase's actions and each landed marker.
enum class BattleOutcome {
    Undecided,
    Victory, // no fighter outside team 1 is alive
    Defeat,  // no fighter of team 1 is alive, whatever the other side has left
};

BattleOutcome JudgeOutcome(const BattleState& battle);

// The line the log closes a decided battle with; empty while it is undecided.
const char* ClosingLine(BattleOutcome outcome);
