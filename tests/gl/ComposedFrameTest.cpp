#include "battle/BattleState.h"
#include "engine/InputSystem.h"
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
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// The real video system, checked at the end of every frame: the window as it shows the
// frame against the same draws drawn in full straight into the back buffer, pixel for
// pixel. Then the back buffer is left as the game would find it: where frames are shown
// by swaps filled with another colour (a swap need keep nothing), else as it was.
class CheckedVideo : public VideoSystem {
public:
    void EndFrame() override {
        ShowFrame();
        std::vector<uint32_t> kept(kWidth * kHeight), full(kWidth * kHeight);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, kept.data());
        // The frame's draws again, as the game asked for them.
        const std::vector<SpriteDraw> draws = FrameDraws();
        SetComposing(false);
        ClearFrame();
        for (const SpriteDraw& d : draws) {
            if (d.whole) {
                DrawSprite(d.texture, d.x, d.y, d.red, d.green, d.blue, d.alpha);
            } else {
                DrawSpriteRegion(d.texture, d.sourceX, d.sourceY, d.sourceWidth, d.sourceHeight,
                                 d.x, d.y, d.red, d.green, d.blue, d.alpha);
            }
        }
        SetComposing(true);
        glReadPixels(0, 0, kWidth, kHeight, GL_BGRA, GL_UNSIGNED_BYTE, full.data());
        for (uint32_t& pixel : full) {
            pixel &= 0xffffffu; // as ShownWindow gives it: 0xRRGGBB, bottom row first
        }
        if (ShownWindow(kWidth, kHeight) != full && firstWrong < 0) {
            firstWrong = frames;
        }
        ++frames;
        if (swaps) {
            kept.assign(kept.size(), 0x203040u * (frames % 7));
        }
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glWindowPos2i(0, 0);
        glDrawPixels(kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, kept.data());
        glEnable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);
    }

    bool swaps = false;
    int frames = 0, firstWrong = -1; // the first frame that differs from the full redraw
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
        const std::filesystem::path home = std::filesystem::current_path();
        ~Engine() {
            StopVideo();
            std::filesystem::current_path(home);
        }
    } engine;
    std::filesystem::current_path(VORNAK_GAME_DIR);
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
        fighter->team = fighter == battle.fighters.back() ? 1 : 2;
    }
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
