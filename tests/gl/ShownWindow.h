#pragma once

#include <cstdint>
#include <vector>

// The OpenGL window as the X server shows it (a driver need not let OpenGL read its front
// buffer back): 0xRRGGBB pixels, bottom row first, as glReadPixels orders them.
std::vector<uint32_t> ShownWindow(int width, int height);

// Paints over the window's picture, as a window covering it would leave it.
void CoverWindow(int width, int height);
