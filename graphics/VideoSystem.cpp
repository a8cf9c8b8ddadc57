#include "graphics/VideoSystem.h"

#include "engine/GameError.h"
#include "engine/Kernel.h"
#include "engine/NumberConversion.h"
#include "graphics/TgaImage.h"
#include "platform/FileReader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

VideoSystem* gVideo = nullptr;

namespace {

[[noreturn]] void FailWithSdlError() {
    throw GameError(SDL_GetError());
}

} // namespace

void VideoSystem::Init(std::string) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        FailWithSdlError();
    }
    SDL_WM_SetCaption("Vornak", nullptr);

    // A missing key reads as 0 and SDL decides what to make of it.
    SettingsTable& settings = gKernel->settings;
    // A plain cast of a number beyond the int range ("h_res = 1e20") is undefined.
    width = TruncateToInt(settings["h_res"].number);
    height = TruncateToInt(settings["v_res"].number);
    depth = TruncateToInt(settings["bpp"].number);
    fullScreen = settings["full_screen"].number != 0.0f;
    useOpenGL = settings["use_opengl"].number != 0.0f;
    // X keeps window sizes in 16 bits: a bigger one wraps, and one that wraps to 0 ends
    // the program from inside Xlib. Refuse it in SDL's own words for a bad size.
    constexpr int32_t kLargestSide = 65535;
    if (width > kLargestSide || height > kLargestSide) {
        throw GameError("Invalid width or height");
    }

    if (!useOpenGL) {
        screen = SDL_SetVideoMode(width, height, depth, fullScreen ? SDL_FULLSCREEN : 0);
    } else {
        SetupOpenGL();
    }
    if (!screen) {
        FailWithSdlError();
    }
}

void VideoSystem::SetupOpenGL() {
    if (!SDL_GetVideoInfo()) {
        FailWithSdlError();
    }
    const Uint32 flags = SDL_OPENGL | (fullScreen ? SDL_FULLSCREEN : 0);
    // Many visuals have no 32-bit depth buffer; nothing draws with depth, so settle for
    // less rather than refuse to start.
    for (int depthBits : {32, 24, 16}) {
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        // Swaps wait for the display's refresh, so frames that redraw the same picture
        // cost no more than the screen can show.
        SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
        screen = SDL_SetVideoMode(width, height, depth, flags);
        if (screen) {
            break;
        }
    }
    if (!screen) {
        FailWithSdlError();
    }

    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_FLAT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    // Multiplied once onto the model-view matrix and kept for the program's life.
    gluOrtho2D(0.0, width, height, 0.0);
}

Texture VideoSystem::LoadTGA(std::string path) {
    std::string bytes;
    if (!FileReader::ReadAll(path, bytes)) {
        throw GameError(FileReader::OpenFailure(path));
    }
    TgaImage image;
    std::string failure;
    if (!TgaImage::Decode(bytes, image, failure)) {
        throw GameError(failure);
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    // One-byte pictures have rows of any length, not padded to four bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0,
                 image.alphaOnly ? GL_ALPHA : GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.get());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    Texture texture;
    texture.id = name;
    texture.width = static_cast<float>(image.width);
    texture.height = static_cast<float>(image.height);
    return texture;
}

void VideoSystem::DrawSprite(const Texture& texture, int32_t x, int32_t y, float red, float green,
                             float blue, float alpha) {
    const int w = TruncateToInt(texture.width);
    const int h = TruncateToInt(texture.height);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glColor4f(red, green, blue, alpha);
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    // Rows are stored bottom row first, so t runs from 1 at the top to 0 at the bottom.
    glBegin(GL_QUADS);
    glTexCoord2i(0, 1);
    glVertex2i(0, 0);
    glTexCoord2i(1, 1);
    glVertex2i(w, 0);
    glTexCoord2i(1, 0);
    glVertex2i(w, h);
    glTexCoord2i(0, 0);
    glVertex2i(0, h);
    glEnd();
    glPopMatrix();
}

void VideoSystem::DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY,
                                   float sourceWidth, float sourceHeight, int32_t x, int32_t y,
                                   float red, float green, float blue, float alpha) {
    const float w = texture.width;
    const float h = texture.height;
    const float right = sourceX + sourceWidth;
    const float bottom = sourceY + sourceHeight;
    const float s0 = sourceX / w;
    const float s1 = right / w;
    const float t0 = (h - sourceY) / h;
    const float t1 = (h - bottom) / h;
    const int sw = TruncateToInt(sourceWidth);
    const int sh = TruncateToInt(sourceHeight);

    glBindTexture(GL_TEXTURE_2D, texture.id);
    glColor4f(red, green, blue, alpha);
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2i(0, 0);
    glTexCoord2f(s1, t0);
    glVertex2i(sw, 0);
    glTexCoord2f(s1, t1);
    glVertex2i(sw, sh);
    glTexCoord2f(s0, t1);
    glVertex2i(0, sh);
    glEnd();
    glPopMatrix();
}

void VideoSystem::ClearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void VideoSystem::EndFrame() {
    glFlush();
    SDL_GL_SwapBuffers();
}
