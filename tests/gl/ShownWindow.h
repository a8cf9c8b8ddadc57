#pragma once

#include <cstdint>
#include <vector>

class VideoSystem;

// Starts `video` as the game's video subsystem, under a new kernel whose settings ask for
// a `width` x `height` OpenGL window at `scale`.
void StartVideo(VideoSystem* video, int width, int height, int scale = 1);

// Takes the kernel, its subsystems and SDL away again.
void StopVideo();

// The OpenGL window as the X server shows it (a driver need not let OpenGL read its front
// buffer back): 0xRRGGBB pixels, bottom row first, as glReadPixels orders them.
std::vector<uint32_t> ShownWindow(int width, int height);

// Paints over the window's picture, as a window covering it would leave it.
void CoverWindow();
