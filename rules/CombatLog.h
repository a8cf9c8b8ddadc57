#pragma once

#include <string>

class BattleState;

// The seven-line message log under the battlefield, oldest line at the top.
void AddMessage(BattleState& battle, std::string line);
void DrawMessages(BattleState& battle);
