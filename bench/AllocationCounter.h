#pragma once

#include <cstdint>

// Heap allocations made by this program so far (every operator new), so a benchmark can
// report how many one frame makes.
uint64_t AllocationCount();
