#pragma once

#include <cstdint>

// Heap allocations made by this program so far (every operator new), so a benchmark can
// report how many one frame makes.
// Always 0 in a sanitizer build.
uint64_t AllocationCount();
