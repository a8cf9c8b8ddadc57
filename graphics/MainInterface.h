#pragma once

#include "graphics/Interface.h"

#include <cstdint>
#include <string>

// The battle's command buttons: a click chooses the command with the element's id, which
// the player's command handling reads and sets back to 0. The element with id 7 also
// ends the program after the current frame.
class MainInterface : public Interface {
public:
    static constexpr int32_t kQuitId = 7;

    int32_t command = 0; // 0 when none chosen

    void Init(std::string path) override;
    void HandleClick() override;
};
