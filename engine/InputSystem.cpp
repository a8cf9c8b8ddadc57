#include "engine/InputSystem.h"

#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"
#include "graphics/WindowScale.h"

#include <SDL.h>

InputSystem* gInput = nullptr;

void InputSystem::Init(std::string) {
    leftButton = false;
    rightButton = false;
    scale = gVideo ? gVideo->scale : 1;
}

void InputSystem::Update() {
    keysPressed.clear();
    exposed = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        HandleEvent(event);
    }
}

void InputSystem::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        mouseX = WindowScale::ToGame(event.motion.x, scale);
        mouseY = WindowScale::ToGame(event.motion.y, scale);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        if (event.button.button == SDL_BUTTON_LEFT) {
            leftButton = down;
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            rightButton = down;
        }
        break;
    }
    case SDL_KEYDOWN: {
        // SDL names the printable keys and Escape by their character codes.
        const SDLKey key = event.key.keysym.sym;
        if (key >= SDLK_KP0 && key <= SDLK_KP9) {
            keysPressed.push_back('0' + (key - SDLK_KP0));
        } else if (key < 128) {
            keysPressed.push_back(key);
        }
        break;
    }
    case SDL_VIDEOEXPOSE: // the window's picture lost where it was covered
        exposed = true;
        if (gVideo) {
            gVideo->WindowExposed();
        }
        break;
    case SDL_QUIT:
        if (gKernel) {
            gKernel->quit = true;
        }
        break;
    default:
        break;
    }
}
