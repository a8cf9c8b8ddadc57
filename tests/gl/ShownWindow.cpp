#include "tests/gl/ShownWindow.h"

#include "engine/ConfigFile.h"
#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"

#include <GL/glx.h>
#include <SDL.h>
#include <X11/Xutil.h>

#include <cstddef>
#include <string>

void StartVideo(VideoSystem* video, int width, int height, int scale) {
    gKernel = new Kernel;
    ConfigFile::Parse(gKernel->settings,
                      "h_res = " + std::to_string(width) + "\nv_res = " + std::to_string(height) +
                          "\nbpp = 32\nuse_opengl = 1\nscale = " + std::to_string(scale));
    gVideo = video;
    gVideo->Init("Data\\engine.cfg");
}

void StopVideo() {
    delete gKernel; // and the subsystems with it
    gKernel = nullptr;
    SDL_Quit();
}

std::vector<uint32_t> ShownWindow(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    // On the OpenGL connection, so that it comes after the program's last copy or swap.
    XImage* image =
        XGetImage(glXGetCurrentDisplay(), glXGetCurrentDrawable(), 0, 0,
                  static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes, ZPixmap);
    for (int y = 0; image && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(height - 1 - y) * width + x] =
                XGetPixel(image, x, y) & 0xffffffu;
        }
    }
    if (image) {
        XDestroyImage(image);
    }
    return pixels;
}

void CoverWindow() {
    Display* display = glXGetCurrentDisplay();
    XSetWindowBackground(display, glXGetCurrentDrawable(), 0x4080c0);
    XClearWindow(display, glXGetCurrentDrawable());
}
