#pragma once

#include <algorithm>
#include <cstdint>

// A rectangle of game pixels, y downward; left and top inside, right and bottom just outside.
// Empty when it has no width or no height.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    int64_t Area() const { return Empty() ? 0 : int64_t{right - left} * int64_t{bottom - top}; }
    bool Meets(const ScreenRect& other) const {
        return !Empty() && !other.Empty() && left < other.right && other.left < right &&
               top < other.bottom && other.top < bottom;
    }
    // The smallest rectangle holding both (an empty one adds nothing).
    ScreenRect Joined(const ScreenRect& other) const {
        if (Empty()) {
            return other;
        }
        if (other.Empty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    ScreenRect Within(const ScreenRect& frame) const {
        return {std::max(left, frame.left), std::max(top, frame.top), std::min(right, frame.right),
                std::min(bottom, frame.bottom)};
    }
    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};
