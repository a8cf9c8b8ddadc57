#pragma once

#include "engine/Kernel.h"

// The whole life of the program: SDL started with no subsystems, the game folder entered
// (the player's own when installed), the kernel created and initialised with
// "Data\engine.cfg", frames run until quit, any error shown in the error box, then
// teardown and SDL_Quit. Returns 0 on every path.
int RunProgram(SubsystemFactory factory = SubsystemFactory::Default());
