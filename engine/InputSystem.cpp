#include "engine/InputSystem.h"

#include "engine/Kernel.h"

#include <SDL.h>

InputSystem* gInput = nullptr;

void InputSystem::Init(std::string) {
    leftButton = false;
    rightButton = false;
}

void InputSystem::Update() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        HandleEvent(event);
    }
}

void InputSystem::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        mouseX = event.motion.x;
        mouseY = event.motion.y;
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
    case SDL_QUIT:
        if (gKernel) {
            gKernel->quit = true;
        }
        break;
    default:
        break;
    }
}
