#pragma once

#include <cstdint>

// One button of a layout file, its eight numbers in file order. The sheet holds four
// pictures of width x height at (sourceX, sourceY): normal, under the pointer (to its
// right), pressed (below normal) and inactive (below right).
struct InterfaceElement {
    int32_t id = 0;      // reported on a click; 0 is never reported
    int32_t enabled = 0; // 0: inactive picture, no reaction
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    int32_t x = 0; // relative to the interface origin
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
