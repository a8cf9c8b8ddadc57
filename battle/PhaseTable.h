#pragma once

#include <cstdint>

// PhaseTable[speed][phase] is 1 when a fighter of that speed (0 to 12) acts in that phase
// (1 to 12). Column 0 is never used.
extern const int32_t PhaseTable[13][13];

// False for a speed without a row, so a bad value can never index outside the table.
inline bool ActsInPhase(int32_t speed, int32_t phase) {
    return speed >= 0 && speed <= 12 && phase >= 0 && phase <= 12 && PhaseTable[speed][phase] == 1;
}
