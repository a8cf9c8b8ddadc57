#pragma once

#include <cstddef>

// How the C library's allocator gives freed memory back to the system.
class HeapTuning {
public:
    // Lets up to `bytes` of free memory stay at the top of the heap instead of going back
    // to the system as soon as 128 kB are free there. Mesa's software rasteriser frees and
    // takes back about a megabyte whenever a draw uses another picture than the one
    // before; given back and taken again, every page of it faults in anew, which cost a
    // drawn battle frame several milliseconds. Where the allocator has no such setting,
    // nothing changes.
    static void KeepFreeHeapTop(std::size_t bytes);
};
