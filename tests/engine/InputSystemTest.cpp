#include "engine/InputSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

// A motion to (a, b), a button event for button a, or a key press of key a.
SDL_Event Event(Uint8 type, int a = 0, int b = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(a);
        event.motion.y = static_cast<Uint16>(b);
    } else if (type == SDL_KEYDOWN) {
        event.key.keysym.sym = static_cast<SDLKey>(a);
    } else {
        event.button.button = static_cast<Uint8>(a);
    }
    return event;
}

} // namespace

// The left and right buttons and the pointer are state, read from SDL's queue once a frame,
// so a press and release within one frame are never seen; the middle button and the wheel
// change nothing. Keys are this frame's presses: characters (the keypad's digits as
// digits) and Escape; others are ignored. In a scaled window the pointer is in game
// pixels. (The close request is walked by the installed game's end-to-end test.)
TEST(InputSystem, MouseStateAndKeyPressesFromEventsOnceAFrame) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(64, 64, 0, 0), nullptr) << SDL_GetError();
    InputSystem input;
    input.Init("");
    EXPECT_EQ(input.mouseX, -1) << "off the window until the pointer first moves";
    input.scale = 2; // the pointer is kept in game pixels

    const auto frame = [&input](std::vector<SDL_Event> events) {
        for (SDL_Event& event : events) {
            SDL_PushEvent(&event);
        }
        input.Update();
    };

    frame({Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP),
           Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)});
    EXPECT_TRUE(input.leftButton);
    EXPECT_FALSE(input.rightButton);
    EXPECT_TRUE(input.keysPressed.empty());
    EXPECT_EQ(input.wheel, 1) << "two steps up, one down; releases do not count";
    frame({Event(SDL_KEYDOWN, SDLK_ESCAPE), Event(SDL_KEYDOWN, SDLK_3),
           Event(SDL_KEYDOWN, SDLK_KP5), Event(SDL_KEYDOWN, SDLK_r),
           Event(SDL_KEYDOWN, SDLK_LSHIFT), Event(SDL_KEYDOWN, SDLK_F1)});
    EXPECT_EQ(input.keysPressed,
              (std::vector<int32_t>{InputSystem::kEscape, '3', '5', 'r', InputSystem::kF1}));
    EXPECT_EQ(input.wheel, 0) << "counted afresh each frame";

    frame({Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), Event(SDL_MOUSEMOTION, 41, 61),
           Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)});
    EXPECT_FALSE(input.leftButton);
    EXPECT_TRUE(input.keysPressed.empty());
    EXPECT_EQ(input.mouseX, 20);
    EXPECT_EQ(input.mouseY, 30);
    SDL_Quit();
}

TEST(InputSystem, NamedKeysAndShiftedOnes) {
    const int32_t cases[][3] = {{SDLK_TAB, KMOD_NONE, InputSystem::kTab},
                                {SDLK_TAB, KMOD_LSHIFT, InputSystem::kBackTab},
                                {SDLK_SLASH, KMOD_RSHIFT, '?'},
                                {SDLK_KP_ENTER, KMOD_NONE, InputSystem::kEnter},
                                {SDLK_F11, KMOD_NONE, InputSystem::kF1 + 10}};
    for (const auto& [sym, modifiers, code] : cases) {
        EXPECT_EQ(InputSystem::KeyCode(sym, modifiers), code) << sym;
    }
}
