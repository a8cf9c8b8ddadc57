// The yardstick for the game's start-up and memory: an SDL 1.2 window with an OpenGL
// context of the game's size, cleared to grey and swapped once, then left open (and idle)
// until it is asked to close.
//
//   bare_window [width height]
#include <GL/gl.h>
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(width, height, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "bare_window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    // Not black, so that a watcher can tell the drawn frame from an empty window.
    glClearColor(0.25f, 0.25f, 0.25f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();

    SDL_Event event;
    while (SDL_WaitEvent(&event) && event.type != SDL_QUIT) {
    }
    SDL_Quit();
    return 0;
}
