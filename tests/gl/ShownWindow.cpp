#include "tests/gl/ShownWindow.h"

#include <gtest/gtest.h>

#include <GL/glx.h>
#include <X11/Xutil.h>

#include <cstddef>

std::vector<uint32_t> ShownWindow(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    XImage* image = XGetImage(glXGetCurrentDisplay(), glXGetCurrentDrawable(), 0, 0, width, height,
                              AllPlanes, ZPixmap);
    if (!image || image->bits_per_pixel != 32 || image->red_mask != 0xff0000u) {
        ADD_FAILURE() << "the window cannot be read as 32-bit pixels";
    } else {
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line);
            for (int x = 0; x < width; ++x) {
                pixels[static_cast<std::size_t>(height - 1 - y) * width + x] = row[x] & 0xffffffu;
            }
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    return pixels;
}

void CoverWindow(int width, int height) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x4080c0);
    XFillRectangle(display, window, gc, 0, 0, static_cast<unsigned>(width),
                   static_cast<unsigned>(height));
    XFreeGC(display, gc);
}
