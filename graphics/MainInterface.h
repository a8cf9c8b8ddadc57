#pragma once

#include "graphics/Interface.h"

#include <cstdint>
#include <string>

// The battle's command buttons: a click chooses the command with the element's id, which
// the player's command handling reads and sets back to 0. The element with id 7 also
// ends the program after the current frame.
//
// The element with id 8 (Again) belongs to the end of a battle: it is never shown while
// the battle runs, and once it is over only Again, Battles (9) and Quit are.
class MainInterface : public Interface {
public:
    static constexpr int32_t kQuitId = 7;
    static constexpr int32_t kAgainId = 8;
    static constexpr int32_t kBattlesId = 9; // the chooser of battles, beside Again

    int32_t command = 0; // 0 when none chosen
    bool battleOver = false;

    void Init(std::string path) override;
    void HandleClick() override;
    bool Shows(const InterfaceElement& element) const override;

    // Forgets a press not yet released, a click not yet handled and the chosen command, so
    // that the next choice starts afresh.
    void ClearChoice();
};
