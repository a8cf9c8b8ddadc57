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
    // too), lower-case letters, kEscape. Only the frame that polled a press sees it.
    std::vector<int32_t> keysPressed;
    // The window was uncovered in this frame's events and its picture must be drawn again.
    bool exposed = false;

    static constexpr int32_t kEscape = 27;

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override;
    void Render() override {}

    // One event's effect on the state above.
    void HandleEvent(const SDL_Event& event);
};

extern InputSystem* gInput;
