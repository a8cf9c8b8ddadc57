#include "platform/HeapTuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <climits>

void HeapTuning::KeepFreeHeapTop(std::size_t bytes) {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, bytes > INT_MAX ? INT_MAX : static_cast<int>(bytes));
#else
    (void)bytes;
#endif
}
