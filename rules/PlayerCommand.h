#pragma once

#include <cstdint>

class BattleState;
class Fighter;

// One frame of the player choosing an order for the front fighter of the decision queue
// (team 1): draws the rings, the buttons and the hints, and gives the order once chosen.
void PlayerCommand(BattleState& battle);

// The pieces of it that other ways of choosing (the keyboard) share, so that an order
// is the same whichever way it was picked.
//
// The rings' alpha: rises from 0 to 1 and back once a second.
float CommandPulse();
// The ring cell around a sprite standing at (x, y).
void DrawRing(const BattleState& battle, float x, float y, float red, float green, float blue,
              float alpha);
// Command 3 to 6 on `enemy`: the order, its countdown and target, and the queue moves on.
void GiveAttackOrder(BattleState& battle, Fighter& fighter, Fighter& enemy, int32_t command);
// How long the walk to (px, py) takes, drawn at (textX, textY); nothing for a fighter that
// never acts.
void ShowWalkTime(BattleState& battle, const Fighter& fighter, float px, float py, int32_t textX,
                  int32_t textY);
// Move to (px, py), already within the field, and the queue moves on.
void GiveMoveOrder(BattleState& battle, Fighter& fighter, float px, float py);
