#pragma once

#include <cstdint>

// What a fighter has been told to do. 7 is never given; any value without an action
// (None, Hold, 7 and anything unknown) makes the fighter stand still.
enum class OrderCode : int32_t {
    None = 0,
    Move = 1,
    Hold = 2,
    MeleeOnce = 3,
    MeleeRepeat = 4,
    MissileOnce = 5,
    MissileRepeat = 6,
    ApproachMeleeOnce = 8,
    ApproachMeleeRepeat = 9,
};
