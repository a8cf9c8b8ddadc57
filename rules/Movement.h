#pragma once

class BattleState;
class Fighter;

// One step of one pixel along the fighter's step vector, unless another living fighter
// would be too close; ends a Move on arrival.
void MoveStep(BattleState& battle, Fighter& fighter);
