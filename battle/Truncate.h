#pragma once

#include <cmath>
#include <cstdint>

// Float to whole number, truncated toward zero, without the undefined behaviour of a plain
// cast: values beyond the range (a file can hold "99999999999999999999") stop at its ends,
// and NaN reads as 0.
inline int32_t TruncateToInt(float value, int32_t lowest = INT32_MIN, int32_t highest = INT32_MAX) {
    const double wide = value;
    if (std::isnan(wide)) {
        return 0;
    }
    if (wide <= lowest) {
        return lowest;
    }
    if (wide >= highest) {
        return highest;
    }
    return static_cast<int32_t>(wide);
}
