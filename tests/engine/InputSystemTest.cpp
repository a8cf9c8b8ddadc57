#include "engine/InputSystem.h"
#include "engine/Kernel.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

SDL_Event Motion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event Button(Uint8 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    return event;
}

SDL_Event Key(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    return event;
}

} // namespace

TEST(InputSystem, MapsMouseEventsToStateAndKeysToCharacters) {
    InputSystem input;
    input.Init("Data\\engine.cfg");
    // The middle button, the wheel and keys change nothing of the mouse's state.
    for (Uint8 button :
         {Uint8(SDL_BUTTON_MIDDLE), Uint8(SDL_BUTTON_WHEELUP), Uint8(SDL_BUTTON_WHEELDOWN)}) {
        input.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, button));
    }
    for (SDLKey key : {SDLK_ESCAPE, SDLK_3, SDLK_KP5, SDLK_r, SDLK_LSHIFT, SDLK_F1}) {
        input.HandleEvent(Key(key));
    }
    EXPECT_EQ(input.keysPressed, (std::vector<int32_t>{InputSystem::kEscape, '3', '5', 'r'}));
    EXPECT_FALSE(input.leftButton);
    EXPECT_FALSE(input.rightButton);
    EXPECT_EQ(input.mouseX, -1); // off the window until the pointer first moves

    input.HandleEvent(Motion(310, 436));
    EXPECT_EQ(input.mouseX, 310);
    EXPECT_EQ(input.mouseY, 436);
    input.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    input.HandleEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    input.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    EXPECT_TRUE(input.leftButton);
    EXPECT_FALSE(input.rightButton);
    input.HandleEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(input.leftButton);
}

TEST(InputSystem, CloseRequestSetsTheKernelsQuitFlag) {
    gKernel = new Kernel;
    InputSystem input;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    input.HandleEvent(quit);
    EXPECT_TRUE(gKernel->quit);
    delete gKernel;
    gKernel = nullptr;
}

// Mouse buttons are state, keys are this frame's presses.
TEST(InputSystem, APressAndReleaseWithinOneFrameIsNeverSeenButAKeyPressIsForOneFrame) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_NE(SDL_SetVideoMode(64, 64, 0, 0), nullptr) << SDL_GetError();
    InputSystem input;
    input.Init("");

    SDL_Event down = Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    SDL_Event up = Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    SDL_Event move = Motion(20, 30);
    SDL_Event key = Key(SDLK_1);
    SDL_PushEvent(&down);
    SDL_PushEvent(&move);
    SDL_PushEvent(&key);
    SDL_PushEvent(&up);
    input.Update();
    EXPECT_FALSE(input.leftButton);
    EXPECT_EQ(input.mouseX, 20);
    EXPECT_EQ(input.mouseY, 30);
    EXPECT_EQ(input.keysPressed, std::vector<int32_t>{'1'});

    // Held across frames: seen from the frame that polls the press to the one before the
    // release.
    SDL_PushEvent(&down);
    input.Update();
    EXPECT_TRUE(input.leftButton);
    input.Update();
    EXPECT_TRUE(input.leftButton);
    EXPECT_TRUE(input.keysPressed.empty());
    SDL_PushEvent(&up);
    input.Update();
    EXPECT_FALSE(input.leftButton);
    SDL_Quit();
}
