#pragma once

#include <cstddef>

class BattleState;
class Fighter;

// The game's computer only ever attacks the first four places of the fighter list,
// whatever their team (so a computer fighter among them may pick itself).
constexpr std::size_t kComputerCandidates = 4;

// Gives the front fighter of the decision queue (not on the player's team) its order, at
// once, choosing among the game's candidates.
void DecideComputerOrder(BattleState& battle);

// The same rule over other candidates: `count` places, each a fighter or null for an empty
// place. The skills pick melee or missile; melee goes for the nearest living candidate,
// a missile for a random living one, drawn place by place until one is found.
void DecideComputerOrder(BattleState& battle, Fighter* const* candidates, std::size_t count);
