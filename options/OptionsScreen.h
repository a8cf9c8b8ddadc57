#pragma once

#include <cstdint>

class BattleState;
struct Options;

// The options as a screen in place of the battle's picture, inside the darkened frame: one row a
// setting, the chosen row in green. Up and Down choose a row, Left and Right (or - and =) change
// it, Escape or O go back to the battle; with the pointer, a click on a row's "<" or ">" changes
// it. Changes are made to the options given; the caller saves them.
class OptionsScreen {
public:
    static constexpr int32_t kRows = 6;
    int32_t row = 0; // the chosen one

    // One key; false when it closes the screen.
    bool Key(int32_t key, Options& options);
    // The pointer's click of this frame, if any.
    void Pointer(Options& options);
    void Draw(const BattleState& battle, const Options& options) const;

    // Window or full screen through the video subsystem, remembered when it worked.
    static void SwapScreen(Options& options);

private:
    void Change(Options& options, int32_t by);
    bool held_ = false; // the left button, as the last frame saw it
};
