#pragma once

class BattleState;

// Gives the front fighter of the decision queue (not on the player's team) its order, at
// once.
void DecideComputerOrder(BattleState& battle);
