#pragma once

#include "graphics/ScreenRect.h"

#include <cstdint>
#include <vector>

// Shows parts of the back buffer in the window without a swap (GLX_MESA_copy_sub_buffer).
// Only where the driver is a software rasteriser: there the back buffer is plain memory
// that keeps its picture as long as it is never swapped, and a copy costs no more than
// its pixels. A hardware driver's copies are not tied to the display's refresh and tear.
class SubBufferCopy {
public:
    // For the current OpenGL window; not Available() where the driver draws in hardware
    // or offers no such copy.
    static SubBufferCopy ForCurrentWindow();

    bool Available() const { return copy_ != nullptr; }
    // Shows these rectangles of the back buffer (window pixels, y downward) in a window
    // `windowHeight` pixels tall.
    void Show(const std::vector<ScreenRect>& area, int32_t windowHeight) const;

private:
    void (*copy_)() = nullptr; // glXCopySubBufferMESA; its X types stay in the source

    void* display_ = nullptr;
    unsigned long drawable_ = 0;
};
