#include "graphics/SubBufferCopy.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstring>

SubBufferCopy SubBufferCopy::ForCurrentWindow() {
    SubBufferCopy copier;
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!display || !drawable || !renderer) {
        return copier;
    }
    const bool software = std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                          std::strstr(renderer, "Software Rasterizer");
    // A dispatching libGL hands out an entry point for any name, so the extension list
    // decides whether it is real.
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!software || !extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer")) {
        return copier;
    }
    copier.copy_ = glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA"));
    copier.display_ = display;
    copier.drawable_ = drawable;
    return copier;
}

void SubBufferCopy::Show(const std::vector<ScreenRect>& area, int32_t windowHeight) const {
    using Copy = void (*)(Display*, GLXDrawable, int, int, int, int);
    const auto copy = reinterpret_cast<Copy>(copy_);
    Display* display = static_cast<Display*>(display_);
    for (const ScreenRect& rect : area) {
        // OpenGL counts rows from the bottom.
        copy(display, drawable_, rect.left, windowHeight - rect.bottom, rect.right - rect.left,
             rect.bottom - rect.top);
    }
    // The copies go out over the OpenGL connection to the X server, which the game's
    // event loop does not flush.
    XFlush(display);
}
