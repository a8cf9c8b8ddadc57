#include "options/HelpOverlay.h"

#include "battle/BattleState.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"

#include <cstdint>

namespace {

struct HelpLine {
    const char* what; // a key, or empty under a heading
    const char* does;
};

// The first column a heading when `does` is empty.
const HelpLine kLines[] = {
    {"Mouse", ""},
    {"Click a button", "pick a command for the fighter in the white ring"},
    {"Click the field", "the point to walk to, or the enemy to strike or shoot"},
    {"Point at a fighter", "its card in the strip under the log"},
    {"Wheel over the log", "scroll back through the whole log"},
    {"Keys", ""},
    {"1 - 6", "pick a command, as its button does"},
    {"Tab, Shift+Tab", "Strike or Shoot picked: the next or the previous enemy"},
    {"Arrow keys", "Move picked: move the marked point by one tile"},
    {"Enter", "give the order to the enemy or point chosen with the keys"},
    {"Escape", "drop the picked command"},
    {"P, Space", "pause and go on"},
    {"F", "speed of the computer's turns: 1 x, 2 x, 4 x"},
    {"M", "mute and unmute music and sounds"},
    {"-  =", "sound volume down or up"},
    {"F11", "window or full screen"},
    {"O", "options"},
    {"F1, ?", "this help"},
    {"PgUp, PgDn, End", "scroll the log back and forth, back to the newest"},
    {"F5, F9", "quick save, back to the quick save"},
    {"N", "a fresh battle"},
    {"R, Tab", "once the battle is over: fight again, the debriefing"},
    {"Q", "quit"},
};

constexpr int32_t kLeft = 24, kDoesX = 178, kTop = 12, kLineHeight = 18;
constexpr float kShade = 0.1f; // the background's stone frame, darkened round the text

} // namespace

void HelpOverlay::Draw(const BattleState& battle) {
    gVideo->DrawSprite(battle.background, 0, 0, kShade, kShade, kShade, 1.0f);
    Font& font = *battle.font;
    int32_t y = kTop;
    for (const HelpLine& line : kLines) {
        if (*line.does == '\0') {
            font.DrawText(line.what, kLeft, y, 1.0f, 0.85f, 0.3f);
        } else {
            font.DrawText(line.what, kLeft, y, 0.6f, 1.0f, 0.6f);
            font.DrawText(line.does, kDoesX, y, 1.0f, 1.0f, 1.0f);
        }
        y += kLineHeight;
    }
    font.DrawText("Any key goes back to the battle.", kLeft, y + kLineHeight / 2, 1.0f, 0.85f,
                  0.3f);
}
