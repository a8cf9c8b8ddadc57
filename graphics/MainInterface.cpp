#include "graphics/MainInterface.h"

#include "engine/Kernel.h"

void MainInterface::Init(std::string path) {
    Interface::Init(path);
    command = 0;
}

void MainInterface::HandleClick() {
    if (clickedId == kQuitId) {
        gKernel->quit = true;
    }
    if (clickedId != 0) {
        command = clickedId;
        clickedId = 0;
    }
}
