#pragma once

class BattleState;
class Fighter;

// The action of ApproachMeleeOnce/ApproachMeleeRepeat: re-aim at the target and step, or
// prepare the blow once within reach.
void ApproachStep(BattleState& battle, Fighter& fighter);
// The action of MeleeOnce/MeleeRepeat: count down, launch the marker, strike.
void MeleeAction(BattleState& battle, Fighter& fighter);
