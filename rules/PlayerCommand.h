#pragma once

class BattleState;

// One frame of the player choosing an order for the front fighter of the decision queue
// (team 1): draws the rings, the buttons and the hints, and gives the order once chosen.
void PlayerCommand(BattleState& battle);
