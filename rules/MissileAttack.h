#pragma once

class BattleState;
class Fighter;

// The action of MissileOnce/MissileRepeat: count down, fire, resolve the shot.
void MissileAction(BattleState& battle, Fighter& fighter);
