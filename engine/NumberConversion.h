#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Numbers from files can be anything ("99999999999999999999" is all digits, a glyph width
// can be two billion). These keep every conversion and sum defined behaviour.

// Truncated toward zero; values beyond the range stop at its ends, and NaN reads as 0.
inline int32_t TruncateToInt(double value, int32_t lowest = INT32_MIN,
                             int32_t highest = INT32_MAX) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= lowest) {
        return lowest;
    }
    if (value >= highest) {
        return highest;
    }
    return static_cast<int32_t>(value);
}

// A sum worked out in 64 bits, brought back into the 32-bit range.
inline int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
