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
    wheel = 0;
    exposed = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        HandleEvent(event);
    }
}

int32_t InputSystem::KeyCode(int32_t sym, int32_t modifiers) {
    const bool shift = (modifiers & KMOD_SHIFT) != 0;
    if (sym >= SDLK_KP0 && sym <= SDLK_KP9) {
        return '0' + (sym - SDLK_KP0);
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) {
        return kF1 + (sym - SDLK_F1);
    }
    switch (sym) {
    case SDLK_TAB:
        return shift ? kBackTab : kTab;
    case SDLK_SLASH:
        return shift ? '?' : '/';
    case SDLK_KP_ENTER:
        return kEnter;
    case SDLK_UP:
        return kUp;
    case SDLK_DOWN:
        return kDown;
    case SDLK_LEFT:
        return kLeft;
    case SDLK_RIGHT:
        return kRight;
    case SDLK_PAGEUP:
        return kPageUp;
    case SDLK_PAGEDOWN:
        return kPageDown;
    case SDLK_HOME:
        return kHome;
    case SDLK_END:
        return kEnd;
    default:
        // SDL names the printable keys and Escape by their character codes.
        return sym < 128 ? sym : -1;
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
        } else if (down && event.button.button == SDL_BUTTON_WHEELUP) {
            ++wheel; // a wheel step arrives as a press and a release
        } else if (down && event.button.button == SDL_BUTTON_WHEELDOWN) {
            --wheel;
        }
        break;
    }
    case SDL_KEYDOWN: {
        const int32_t key = KeyCode(event.key.keysym.sym, event.key.keysym.mod);
        if (key >= 0) {
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
