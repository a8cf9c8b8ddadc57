#include "platform/RefreshRate.h"

#include <GL/glx.h>

#include <cstdint>
#include <cstring>

double RefreshRate::OfCurrentWindow() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable) {
        return 0.0;
    }
    // A dispatching libGL hands out an entry point for any name, so the extension list
    // decides whether it is real.
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions || !std::strstr(extensions, "GLX_OML_sync_control")) {
        return 0.0;
    }
    using GetMscRate = Bool (*)(Display*, GLXDrawable, int32_t*, int32_t*);
    const auto getMscRate = reinterpret_cast<GetMscRate>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXGetMscRateOML")));
    int32_t numerator = 0;
    int32_t denominator = 0;
    if (!getMscRate || !getMscRate(display, drawable, &numerator, &denominator) || numerator <= 0 ||
        denominator <= 0) {
        return 0.0;
    }
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}
