#include "graphics/MainInterface.h"

#include "engine/Kernel.h"

void MainInterface::Init(std::string path) {
    Interface::Init(path);
    command = 0;
}

void MainInterface::ClearChoice() {
    clickedId = 0;
    pressed = false;
    command = 0;
}

bool MainInterface::Shows(const InterfaceElement& element) const {
    if (battleOver) {
        return element.id == kAgainId || element.id == kBattlesId || element.id == kQuitId;
    }
    return element.id != kAgainId && element.id != kBattlesId;
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
