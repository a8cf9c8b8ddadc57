#pragma once

#include <cstdint>
#include <string>

class BattleState;

// The account of a battle that is over, laid over the battlefield: every fighter with its
// kills, the damage it dealt and took, its hits out of its attacks, and whether it stood
// at the end (its picture bright, or dark as on the field), under the outcome and the
// battle's length in turns.
class Debriefing {
public:
    static void Draw(BattleState& battle);
    // "Victory! after 42 turns"
    static std::string Headline(const BattleState& battle);
};
