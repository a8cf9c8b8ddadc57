#include "engine/Program.h"

#include "battle/GameFiles.h"
#include "engine/GameError.h"
#include "engine/StateMachine.h"
#include "platform/ErrorBox.h"
#include "platform/GameFolder.h"

#include <SDL.h>

#include <cstdlib>
#include <exception>
#include <new>

int RunProgram(SubsystemFactory factory) {
    // Without a display SDL 1.2 falls back to drawing on the terminal; ask for X11 so that
    // the failure is a clear message instead.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // Started before anything else so that ticks count from the start of the program.
    SDL_Init(SDL_INIT_NOPARACHUTE);

    // Entered before the kernel exists and left after it is gone.
    const GameFolder folder(GameFolder::Default());
    try {
        if (!folder.Entered()) {
            throw GameError("Could not open " + GameFolder::Default());
        }
        gKernel = new Kernel(std::move(factory));
        gKernel->Init(GameFiles::kSettings);
        while (!gKernel->quit) {
            gKernel->Update();
            gKernel->Render();
        }
        gStateMachine->LeaveCurrent(); // a battle left unfinished keeps itself
    } catch (const GameError& error) {
        ErrorBox::Show(error.what());
    } catch (const std::bad_alloc&) {
        ErrorBox::Show("Out of memory");
    } catch (const std::exception& error) {
        ErrorBox::Show(error.what());
    }

    delete gKernel;
    gKernel = nullptr;
    SDL_Quit();
    return 0;
}
