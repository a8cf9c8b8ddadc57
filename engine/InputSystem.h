#pragma once

#include "engine/Subsystem.h"

#include <cstdint>
#include <vector>

union SDL_Event;

// Mouse state and this frame's key presses for the rest of the game. Updated first in
// every frame by emptying SDL's event queue; between updates nothing changes, so every
// reader in a frame agrees. A mouse press and release within one frame are never seen. The
// window's close request sets the kernel's quit flag. What the keys mean is the battle's
// business.
class InputSystem : public Subsystem {
public:
    // Before the first motion event the pointer is off the window, outside every button
    // and the battlefield.
    int32_t mouseX = -1;
    int32_t mouseY = -1;
    bool leftButton = false;
    bool rightButton = false;
    // Window pixels per game pixel, from the video subsystem (initialised before this):
    // the pointer is kept in the game's pixels at every window scale.
    int32_t scale = 1;
    // Keys pressed in this frame's events, in order, as characters: digits (the keypad's
    // too), lower-case letters, kEscape, the other printable keys ('?' for Shift+/), and
    // the named keys below. Only the frame that polled a press sees it.
    std::vector<int32_t> keysPressed;
    // Steps of the mouse wheel in this frame: positive away from the player (up).
    int32_t wheel = 0;
    // The window was uncovered in this frame's events and its picture must be drawn again.
    bool exposed = false;

    static constexpr int32_t kEscape = 27;
    static constexpr int32_t kTab = 9;
    static constexpr int32_t kEnter = 13; // the keypad's too
    // Keys without a character, above every character code.
    static constexpr int32_t kBackTab = 256; // Shift+Tab
    static constexpr int32_t kUp = 257, kDown = 258, kLeft = 259, kRight = 260;
    static constexpr int32_t kPageUp = 261, kPageDown = 262, kHome = 263, kEnd = 264;
    static constexpr int32_t kF1 = 270; // kF1 + n - 1 is Fn, up to F12

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override;
    void Render() override {}

    // The code keysPressed holds for an SDL key with these modifiers, or -1 for a key the
    // game has no use for (Shift, Ctrl ...).
    static int32_t KeyCode(int32_t sym, int32_t modifiers);

    // One event's effect on the state above.
    void HandleEvent(const SDL_Event& event);
};

extern InputSystem* gInput;
