#pragma once

#include "battle/Fighter.h"
#include "battle/Missile.h"
#include "insight/BattleCounts.h"
#include "rules/BattleOutcome.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class BattleState;

// The complete state of a battle as a plain value: every fighter's fields, the markers in
// flight, the phase and the time into it, who waits for an order and the command picked,
// the log and the outcome. It is the one copy of a battle: the win chance and the planner
// play it forward (ForwardPlay), saves and replays write and read it. Restored into any
// battle record, it plays on exactly as the battle it was taken from.
//
// The pictures, the font, the buttons and the settings tables the fighters were read from
// are not part of it: they belong to the battle record it is restored into.
struct BattleSnapshot {
    std::vector<Fighter> fighters; // load order; settings left behind, targets null
    std::vector<int32_t> targets;  // each fighter's target as a place in `fighters`, -1 none
    std::vector<Missile> missiles;
    int32_t phase = 1;
    int32_t turn = 0;
    bool awaitingOrder = false;
    int32_t waiting = -1; // place of the fighter at the front of the decision queue
    bool buttonHeld = false;
    int32_t command = 0;              // the command the player has picked, 0 for none
    uint32_t sincePhaseStep = 0;      // milliseconds since the last phase step
    std::deque<std::string> messages; // the seven lines on screen
    std::vector<std::string> history; // every line of the battle, oldest first
    BattleOutcome outcome = BattleOutcome::Undecided;
    BattleCounts counts; // what each fighter has done so far

    // Without `wholeLog` the history is left out (playing forward needs none of it, and it
    // grows with the battle).
    static BattleSnapshot Capture(const BattleState& battle, bool wholeLog = true);

    // Makes `battle` this battle. Its fighter list is resized to fit; fighters it already
    // has keep their settings tables. The log's history is left empty and the clock unread
    // when `wholeLog` is false (playing forward, on any thread, needs neither).
    void Restore(BattleState& battle, bool wholeLog = true) const;

    // Field by field, fighters included.
    bool operator==(const BattleSnapshot& other) const;
    bool operator!=(const BattleSnapshot& other) const { return !(*this == other); }
};

// Every field of a fighter that a battle changes or reads, compared; not its settings table
// nor its target (a pointer, compared by place in BattleSnapshot).
bool SameFighter(const Fighter& a, const Fighter& b);
