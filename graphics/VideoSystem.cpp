#include "graphics/VideoSystem.h"

#include "engine/GameError.h"
#include "engine/Kernel.h"
#include "engine/NumberConversion.h"
#include "graphics/TgaImage.h"
#include "graphics/WindowScale.h"
#include "platform/FileReader.h"
#include "platform/HeapTuning.h"
#include "platform/RefreshRate.h"

#include <algorithm>
#include <cstdlib>

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

VideoSystem* gVideo = nullptr;

namespace {

// Freed memory the heap keeps for the driver to take again (see HeapTuning).
constexpr std::size_t kKeptHeapTop = 16u << 20;

[[noreturn]] void FailWithSdlError() {
    throw GameError(SDL_GetError());
}

} // namespace

void VideoSystem::Init(std::string path) {
    HeapTuning::KeepFreeHeapTop(kKeptHeapTop);
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
    fullScreen = gKernel->options.fullScreen == Options::kUnset
                     ? settings["full_screen"].number != 0.0f
                     : gKernel->options.fullScreen == 1;
    useOpenGL = settings["use_opengl"].number != 0.0f;
    scale = WindowScale::FromSettings(settings, path);
    if (width <= 0 || height <= 0) {
        scale = 1; // SDL chooses the size; there is nothing to scale
    } else if (scale == 0) {
        // Before the mode is set, SDL reports the desktop's size as the current mode's.
        const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
        scale =
            desktop ? WindowScale::Fit(desktop->current_w, desktop->current_h, width, height) : 1;
    }
    // X keeps window sizes in 16 bits: a bigger one wraps, and one that wraps to 0 ends
    // the program from inside Xlib. Refuse it in SDL's own words for a bad size.
    constexpr int64_t kLargestSide = 65535;
    if (int64_t{width} * scale > kLargestSide || int64_t{height} * scale > kLargestSide) {
        throw GameError("Invalid width or height");
    }

    if (!useOpenGL) {
        screen =
            SDL_SetVideoMode(width * scale, height * scale, depth, fullScreen ? SDL_FULLSCREEN : 0);
    } else {
        SetupOpenGL();
        if (screen) {
            copier_ = SubBufferCopy::ForCurrentWindow();
            copying_ = copier_.Available();
            SetUpFrameTexture(path);
        }
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
        screen = SDL_SetVideoMode(width * scale, height * scale, depth, flags);
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

    pacer_ = FramePacer(RefreshRate::OfCurrentWindow());
}

void VideoSystem::SetUpFrameTexture(const std::string& path) {
    recording_ = true;
    wholeFrame_.assign(1, ScreenRect{0, 0, width, height});
    // The game draws 1:1 into the window's bottom-left corner.
    glViewport(0, 0, width, height);
    if (copying_ && scale == 1) {
        return; // the back buffer keeps the frame
    }
    // The frame's own size where the driver takes any (OpenGL 2.0 on), else powers of two
    // as OpenGL 1.1 wants them: the texture is a picture's worth of memory.
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const bool anySize = version && std::atoi(version) >= 2;
    GLint textureWidth = anySize ? std::min(width, largest) : 1;
    GLint textureHeight = anySize ? std::min(height, largest) : 1;
    while (textureWidth < width && textureWidth < largest) {
        textureWidth *= 2;
    }
    while (textureHeight < height && textureHeight < largest) {
        textureHeight *= 2;
    }
    if (textureWidth < width || textureHeight < height) {
        if (scale == 1) {
            recording_ = false; // drawn straight into the back buffer, as it comes
            return;
        }
        throw GameError("Bad scale " + std::to_string(scale) + " in " + path + " (a " +
                        std::to_string(width) + " x " + std::to_string(height) +
                        " game is too large for the graphics driver to scale)");
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, textureWidth, textureHeight, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    // Nearest: copied 1:1 every pixel stays itself; scaled up, every game pixel becomes a
    // sharp block, never a blend of its neighbours.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    frameTexture_ = name;
    frameS_ = static_cast<float>(width) / static_cast<float>(textureWidth);
    frameT_ = static_cast<float>(height) / static_cast<float>(textureHeight);
}

bool VideoSystem::ToggleFullScreen() {
    if (!screen || SDL_WM_ToggleFullScreen(screen) == 0) {
        return false;
    }
    fullScreen = !fullScreen;
    exposed_ = true;
    return true;
}

void VideoSystem::ShowBySwaps() {
    if (!copying_) {
        return;
    }
    copying_ = false;
    composedValid_ = false; // at scale 1 the texture was never filled
    if (frameTexture_ == 0) {
        SetUpFrameTexture("");
    }
}

bool VideoSystem::CompleteFrame() {
    const ScreenRect window{0, 0, width * scale, height * scale};
    if (!recording_) {
        shown_.assign(1, window);
        return true;
    }
    if (!copying_ && !composedValid_ && !shownOnce_ && scale == 1) {
        // The first picture goes straight into the back buffer, the way it is drawn: the
        // copies that composing needs (each built by the driver on first use) wait for
        // the second frame, and the battle shows sooner.
        glClear(GL_COLOR_BUFFER_BIT);
        for (const SpriteDraw& draw : drawn_) {
            Issue(draw);
        }
        shownOnce_ = true;
        exposed_ = false;
        return true;
    }
    const ScreenRect frame{0, 0, width, height};
    const std::vector<ScreenRect>& damage =
        composedValid_ ? damage_.Between(composed_, drawn_, frame) : wholeFrame_;
    if (damage.empty() && !exposed_) {
        return false;
    }
    Redraw(damage);
    composed_ = drawn_;
    composedValid_ = true;
    if (!copying_) {
        shown_.assign(1, window);
        Present(shown_);
    } else if (scale == 1) {
        shown_ = damage;
    } else {
        // Scaled up, the damage shows over a larger part of the window, and redrawing it
        // 1:1 in the bottom-left corner drew over the picture there: both are shown anew.
        const int32_t below = height * (scale - 1);
        shown_.clear();
        for (const ScreenRect& rect : damage) {
            FrameDamage::Add(shown_, {rect.left * scale, rect.top * scale, rect.right * scale,
                                      rect.bottom * scale});
            FrameDamage::Add(shown_,
                             {rect.left, rect.top + below, rect.right, rect.bottom + below});
        }
        Present(shown_);
    }
    if (exposed_) {
        shown_.assign(1, window);
    }
    exposed_ = false;
    return true;
}

bool VideoSystem::ShowFrame() {
    if (!CompleteFrame()) {
        return false;
    }
    glFlush();
    if (copying_) {
        copier_.Show(shown_, height * scale);
    } else {
        SDL_GL_SwapBuffers();
    }
    return true;
}

void VideoSystem::Redraw(const std::vector<ScreenRect>& damage) {
    const ScreenRect frame{0, 0, width, height};
    // Rows count from the bottom in OpenGL, in the scissor and in the texture alike.
    glEnable(GL_SCISSOR_TEST);
    for (const ScreenRect& rect : damage) {
        glScissor(rect.left, height - rect.bottom, rect.right - rect.left, rect.bottom - rect.top);
        glClear(GL_COLOR_BUFFER_BIT);
        // A draw that covers no pixel of the rectangle cannot change one.
        for (const SpriteDraw& draw : drawn_) {
            if (draw.Bounds(frame).Meets(rect)) {
                Issue(draw);
            }
        }
    }
    glDisable(GL_SCISSOR_TEST);
    if (frameTexture_ == 0) {
        return; // the back buffer keeps the frame
    }
    // Read back and uploaded a band of rows at a time. glCopyTexSubImage2D would do it in
    // one call, but a software rasteriser builds a shader for that copy, which costs more
    // memory (about 3 MB) than the whole frame texture.
    constexpr int32_t kBandRows = 32;
    glBindTexture(GL_TEXTURE_2D, frameTexture_);
    for (const ScreenRect& rect : damage) {
        const int32_t columns = rect.right - rect.left;
        for (int32_t top = rect.top; top < rect.bottom; top += kBandRows) {
            const int32_t rows = std::min(kBandRows, rect.bottom - top);
            const int32_t row = height - top - rows;
            band_.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows) * 4);
            glReadPixels(rect.left, row, columns, rows, GL_RGBA, GL_UNSIGNED_BYTE, band_.data());
            glTexSubImage2D(GL_TEXTURE_2D, 0, rect.left, row, columns, rows, GL_RGBA,
                            GL_UNSIGNED_BYTE, band_.data());
        }
    }
}

void VideoSystem::Present(const std::vector<ScreenRect>& area) {
    const int32_t windowHeight = height * scale;
    glBindTexture(GL_TEXTURE_2D, frameTexture_);
    glViewport(0, 0, width * scale, windowHeight);
    glDisable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_SCISSOR_TEST);
    for (const ScreenRect& rect : area) {
        glScissor(rect.left, windowHeight - rect.bottom, rect.right - rect.left,
                  rect.bottom - rect.top);
        // The projection now spreads the game's pixels over the whole window. The texture
        // holds the frame's bottom row first.
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, frameT_);
        glVertex2i(0, 0);
        glTexCoord2f(frameS_, frameT_);
        glVertex2i(width, 0);
        glTexCoord2f(frameS_, 0.0f);
        glVertex2i(width, height);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2i(0, height);
        glEnd();
    }
    glDisable(GL_SCISSOR_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    glViewport(0, 0, width, height);
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
    Submit(SpriteDraw{true, texture, 0.0f, 0.0f, 0.0f, 0.0f, x, y, red, green, blue, alpha});
}

void VideoSystem::DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY,
                                   float sourceWidth, float sourceHeight, int32_t x, int32_t y,
                                   float red, float green, float blue, float alpha) {
    Submit(SpriteDraw{false, texture, sourceX, sourceY, sourceWidth, sourceHeight, x, y, red, green,
                      blue, alpha});
}

void VideoSystem::Submit(const SpriteDraw& draw) {
    if (recording_) {
        drawn_.push_back(draw);
    } else {
        Issue(draw);
    }
}

void VideoSystem::Issue(const SpriteDraw& draw) {
    const int w = draw.QuadWidth();
    const int h = draw.QuadHeight();
    glBindTexture(GL_TEXTURE_2D, draw.texture.id);
    glColor4f(draw.red, draw.green, draw.blue, draw.alpha);
    glPushMatrix();
    glTranslatef(static_cast<float>(draw.x), static_cast<float>(draw.y), 0.0f);
    glBegin(GL_QUADS);
    if (draw.whole) {
        // Rows are stored bottom row first, so t runs from 1 at the top to 0 at the bottom.
        glTexCoord2i(0, 1);
        glVertex2i(0, 0);
        glTexCoord2i(1, 1);
        glVertex2i(w, 0);
        glTexCoord2i(1, 0);
        glVertex2i(w, h);
        glTexCoord2i(0, 0);
        glVertex2i(0, h);
    } else {
        const float textureWidth = draw.texture.width;
        const float textureHeight = draw.texture.height;
        const float right = draw.sourceX + draw.sourceWidth;
        const float bottom = draw.sourceY + draw.sourceHeight;
        const float s0 = draw.sourceX / textureWidth;
        const float s1 = right / textureWidth;
        const float t0 = (textureHeight - draw.sourceY) / textureHeight;
        const float t1 = (textureHeight - bottom) / textureHeight;
        glTexCoord2f(s0, t0);
        glVertex2i(0, 0);
        glTexCoord2f(s1, t0);
        glVertex2i(w, 0);
        glTexCoord2f(s1, t1);
        glVertex2i(w, h);
        glTexCoord2f(s0, t1);
        glVertex2i(0, h);
    }
    glEnd();
    glPopMatrix();
}

void VideoSystem::ClearFrame() {
    if (recording_) {
        drawn_.clear();
    } else {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
}

void VideoSystem::EndFrame() {
    ShowFrame();
    pacer_.AfterSwap();
}
