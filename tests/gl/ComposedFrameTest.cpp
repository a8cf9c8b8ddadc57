#include "battle/BattleState.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "graphics/VideoSystem.h"
#include "platform/PathResolver.h"
#include "rules/CombatLog.h"
#include "tests/gl/ShownWindow.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/ScopedClock.h"

#include <gtest/gtest.h>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>

#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Pixels as 0xRRGGBB, bottom row first.
std::vector<uint32_t> BackBuffer() {
    std::vector<uint32_t> pixels(kWidth * kHeight);
    glReadPixels(0, 0, kWidth, kHeight, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    for (uint32_t& pixel : pixels) {
        pixel &= 0xffffffu;
    }
    return pixels;
}

// The real video system, checked at the end of every frame: the window as it shows the
// frame against the same draws drawn in full straight into the back buffer, pixel for
// pixel. Then the back buffer is left as the game would find it: where frames are shown
// by swaps filled with another colour (a swap need keep nothing), else as it was.
class CheckedVideo : public VideoSystem {
public:
    void EndFrame() override {
        ShowFrame();
        std::vector<uint32_t> kept(kWidth * kHeight);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, kept.data());
        last = FrameDraws();
        SetComposing(false);
        Replay();
        SetComposing(true);
        picture = BackBuffer();
        if (ShownWindow(kWidth, kHeight) != picture && firstWrong < 0) {
            firstWrong = frames;
        }
        ++frames;
        if (swaps) {
            glClearColor(static_cast<float>(frames % 7) / 6.0f, 0.3f, 0.9f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        } else {
            glDisable(GL_TEXTURE_2D);
            glDisable(GL_BLEND);
            glWindowPos2i(0, 0);
            glDrawPixels(kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, kept.data());
            glEnable(GL_BLEND);
            glEnable(GL_TEXTURE_2D);
        }
    }

    // The last frame's draws again, as the game asked for them.
    void Replay() {
        ClearFrame();
        for (const SpriteDraw& d : last) {
            if (d.whole) {
                DrawSprite(d.texture, d.x, d.y, d.red, d.green, d.blue, d.alpha);
            } else {
                DrawSpriteRegion(d.texture, d.sourceX, d.sourceY, d.sourceWidth, d.sourceHeight,
                                 d.x, d.y, d.red, d.green, d.blue, d.alpha);
            }
        }
    }

    bool swaps = false;
    std::vector<SpriteDraw> last;
    std::vector<uint32_t> picture; // the last frame drawn in full
    int frames = 0;
    int firstWrong = -1; // the first frame that differs from the full redraw
};

} // namespace

// The shipped battle on a fixed clock: the player's fighter waiting, its ring pulsing,
// while the pointer crosses the field and the buttons, log lines come, a fighter is hurt
// and one killed; then the computer's fighters walking, fighting, shooting markers. Shown
// by sub-buffer copies where the driver is a software one, and by swaps.
class ComposedFrames : public testing::TestWithParam<bool> {};

TEST_P(ComposedFrames, GameFramesLookAsFullyRedrawn) {
    // The engine's globals, in the generated game folder; all taken away at the end.
    struct Engine {
        char home[4096] = {};
        ~Engine() {
            StopVideo();
            EXPECT_EQ(0, chdir(home));
        }
    } engine;
    ASSERT_TRUE(getcwd(engine.home, sizeof engine.home));
    ASSERT_EQ(0, chdir(VORNAK_GAME_DIR));
    PathResolver::ClearCache();
    auto* video = new CheckedVideo;
    StartVideo(video, kWidth, kHeight);
    video->swaps = GetParam();
    if (video->swaps) {
        video->ShowBySwaps();
    } else if (std::strstr(reinterpret_cast<const char*>(glGetString(GL_RENDERER)), "llvmpipe")) {
        ASSERT_TRUE(video->ShowsBySubBufferCopies());
    } else {
        GTEST_SKIP() << "sub-buffer copies are used only by software drivers";
    }
    gSound = new RecordingSound;
    gInput = new InputSystem;

    ScopedClock clock(1000);
    BattleState battle;
    battle.Init("");
    const auto frame = [&] {
        clock.now += 18;
        battle.Update();
    };
    while (!battle.awaitingOrder && video->frames < 50) {
        frame();
    }
    ASSERT_TRUE(battle.awaitingOrder && battle.decisionQueue.front()->team == 1);
    for (int step = 0; step < 60; ++step) {
        gInput->mouseX = step < 30 ? 10 + step * 9 : 280 + (step - 30) * 11;
        gInput->mouseY = step < 30 ? 20 + step * 8 : 300 + (step % 3) * 40;
        if (step % 12 == 5) {
            AddMessage(battle, "Line " + std::to_string(step) + " of the log");
        }
        battle.fighters[1]->hitPoints -= step == 20;
        battle.fighters[6]->dead |= step == 40;
        frame();
    }
    // The last fighter stays the player's but never acts and is never attacked (the
    // computer goes for the first four), so the battle does not end.
    for (auto& fighter : battle.fighters) {
        fighter->team = 2;
    }
    battle.fighters.back()->team = 1;
    battle.fighters.back()->speed = 0;
    int flying = 0;
    for (int step = 0; step < 320; ++step) {
        frame();
        flying += !battle.missiles.empty();
    }
    EXPECT_EQ(-1, video->firstWrong);
    EXPECT_GT(flying, 20) << "frames with a marker in flight";
}

INSTANTIATE_TEST_SUITE_P(ShownBy, ComposedFrames, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Swaps" : "SubBufferCopies";
                         });
