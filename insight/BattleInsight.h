#pragma once

#include "insight/LogView.h"
#include "insight/WinChance.h"

#include <cstdint>

class BattleState;

// What the game tells a player beyond the specified screen: the strip under the log, the
// whole log scrolled back, team 1's win chance and the debriefing once the battle is
// over. The battle calls it at a few points of its loop; it never changes the battle.
class BattleInsight {
public:
    LogView log;

    // The battle moved on (a phase step or a landed marker): the newest state goes to the
    // win chance.
    void Changed(BattleState& battle);
    // A drawn frame of a running battle, last before the frame ends: the log's keys and
    // wheel, then the strip.
    void Frame(BattleState& battle);
    // A battle that is over: the keys of a frame, true when the picture must be drawn
    // again; then the drawing, over the field and the banner.
    bool RestingKeys(BattleState& battle);
    void DrawResting(BattleState& battle);
    // A new battle: the newest log lines, the debriefing to show at its end, and the win
    // chance from its start.
    void Reset(BattleState& battle);

    // While held (the game paused), the win chance waits where it is.
    void Hold(bool held) { winChance_.Hold(held); }

    bool DebriefingShown() const { return debriefingShown_; }

private:
    bool ScrollKeys(const BattleState& battle);

    bool debriefingShown_ = true;
    BattleSnapshot offered_; // the last state measured, on the clock of the latest step
    bool offeredAny_ = false;
    WinChance winChance_;
};
