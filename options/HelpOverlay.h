#pragma once

class BattleState;

// Every key and mouse action of the battle, in place of the battle's picture inside the
// darkened stone frame of the background, until any key is pressed (the caller decides).
class HelpOverlay {
public:
    static void Draw(const BattleState& battle);
};
