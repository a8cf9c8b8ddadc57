#include "battle/BattleState.h"
#include "battle/GameFiles.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "platform/PathResolver.h"
#include "rules/CombatLog.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/ScopedClock.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void Play(VideoSystem& video, const SpriteDraw& draw) {
    if (draw.whole) {
        video.DrawSprite(draw.texture, draw.x, draw.y, draw.red, draw.green, draw.blue, draw.alpha);
    } else {
        video.DrawSpriteRegion(draw.texture, draw.sourceX, draw.sourceY, draw.sourceWidth,
                               draw.sourceHeight, draw.x, draw.y, draw.red, draw.green, draw.blue,
                               draw.alpha);
    }
}

std::vector<uint32_t> Window() {
    std::vector<uint32_t> pixels(kWidth * kHeight);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The real video system, checked at the end of every frame: the picture it composes (as
// the window shows it after the frame) against the same draws drawn in full straight
// into the back buffer, pixel for pixel. Then the back buffer is filled with another
// colour, as a swap that keeps nothing would leave it.
class CheckedVideo : public VideoSystem {
public:
    void EndFrame() override {
        if (CompleteFrame()) {
            shown_ = Window();
        } // else nothing is drawn or swapped, and the window keeps its picture
        const std::vector<SpriteDraw> draws = FrameDraws();
        SetComposing(false);
        ClearFrame();
        for (const SpriteDraw& draw : draws) {
            Play(*this, draw);
        }
        const std::vector<uint32_t> full = Window();
        SetComposing(true);
        int wrong = 0;
        for (std::size_t i = 0; i < full.size(); ++i) {
            wrong += shown_[i] != full[i];
        }
        if (wrong > 0 && firstWrong.empty()) {
            firstWrong = "frame " + std::to_string(frames) + ": " + std::to_string(wrong) +
                         " pixels differ from the full redraw";
        }
        ++frames;
        glClearColor(static_cast<float>(frames % 7) / 6.0f, 0.3f, 0.9f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    }

    int frames = 0;
    std::string firstWrong;

private:
    std::vector<uint32_t> shown_;
};

// The engine's globals around a checked video system, in the generated game folder.
class ComposedFrames : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, chdir(VORNAK_GAME_DIR));
        PathResolver::ClearCache();
        gKernel = new Kernel;
        for (auto [key, value] : {std::pair{"h_res", kWidth},
                                  {"v_res", kHeight},
                                  {"bpp", 32},
                                  {"full_screen", 0},
                                  {"use_opengl", 1}}) {
            gKernel->settings[key].number = value;
        }
        gVideo = video = new CheckedVideo;
        gVideo->Init(GameFiles::kSettings);
        gSound = new RecordingSound;
        gInput = new InputSystem;
    }
    void TearDown() override {
        delete gKernel;
        gKernel = nullptr;
        SDL_Quit();
        ASSERT_EQ(0, chdir(home_.c_str()));
    }

    CheckedVideo* video = nullptr;

private:
    std::string home_ = [] {
        char buffer[4096] = {};
        return std::string(getcwd(buffer, sizeof buffer) ? buffer : ".");
    }();
};

// Random lists of draws, each frame a few edits away from the last (draws moved,
// recoloured, resized, added, removed or swapped in order), now and then a new list or
// the same again. Sources cut at fractions of a pixel (linear filtering reaches into
// neighbouring texels), negative and empty sizes, quads over the window's edges.
TEST_F(ComposedFrames, RandomDrawListsLookAsFullyRedrawn) {
    Font font;
    font.Init(GameFiles::kFont);
    const Texture pictures[] = {gVideo->LoadTGA(GameFiles::kTiles),
                                gVideo->LoadTGA(GameFiles::kBackground), font.sheet};
    std::mt19937 random(14);
    const auto number = [&](int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random);
    };
    const auto fraction = [&] { return static_cast<float>(number(0, 8)) / 8.0f; };
    const auto anyDraw = [&] {
        return SpriteDraw{number(0, 9) == 0,
                          pictures[number(0, 2)],
                          number(-4, 240) + fraction(),
                          number(-4, 240) + fraction(),
                          number(-3, 48) + fraction(),
                          number(-3, 48) + fraction(),
                          number(-40, kWidth + 10),
                          number(-40, kHeight + 10),
                          fraction(),
                          fraction(),
                          fraction(),
                          fraction()};
    };
    std::vector<SpriteDraw> list;
    for (int frame = 0; frame < 160; ++frame) {
        const int choice = number(0, 19);
        if (frame == 0 || choice == 0) {
            list.resize(static_cast<std::size_t>(number(20, 120)));
            std::generate(list.begin(), list.end(), anyDraw);
        }
        for (int edit = choice > 2 ? number(1, 4) : 0; edit > 0 && !list.empty(); --edit) {
            const auto at = list.begin() + number(0, static_cast<int>(list.size()) - 1);
            switch (number(0, 5)) {
            case 0:
                at->x += number(-3, 3);
                at->y += number(-3, 3);
                break;
            case 1:
                at->alpha = fraction();
                break;
            case 2:
                at->sourceWidth = static_cast<float>(number(0, 30)) + fraction();
                break;
            case 3:
                list.insert(at, anyDraw());
                break;
            case 4:
                list.erase(at);
                break;
            default:
                std::iter_swap(at, list.begin() + number(0, static_cast<int>(list.size()) - 1));
            }
        }
        video->ClearFrame();
        for (const SpriteDraw& draw : list) {
            Play(*video, draw);
        }
        video->EndFrame();
    }
    EXPECT_EQ("", video->firstWrong);
}

// The shipped battle on a fixed clock: the player's fighter waiting, its ring pulsing,
// while the pointer crosses the field and the buttons, log lines come, a fighter is hurt
// and one killed; then every fighter the computer's, walking, fighting, shooting markers.
TEST_F(ComposedFrames, GameFramesLookAsFullyRedrawn) {
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
    for (auto& fighter : battle.fighters) {
        fighter->team = 2;
    }
    int flying = 0;
    int logged = 0;
    for (int step = 0; step < 320; ++step) {
        const std::deque<std::string> log = battle.messages;
        frame();
        flying += !battle.missiles.empty();
        logged += battle.messages != log;
    }
    EXPECT_EQ("", video->firstWrong);
    EXPECT_GT(flying, 20) << "frames with a marker in flight";
    EXPECT_GT(logged, 2) << "frames that added to the log";
}

// A frame that asks for the last one's draws is neither drawn nor swapped, until the
// window is uncovered and its picture must be shown again.
TEST_F(ComposedFrames, UnchangedFrameIsShownAgainOnlyWhenUncovered) {
    const Texture tiles = gVideo->LoadTGA(GameFiles::kTiles);
    const auto frame = [&] {
        video->ClearFrame();
        video->DrawSpriteRegion(tiles, 0, 16, 16, 16, 30, 40, 1, 1, 1, 1);
        return video->CompleteFrame();
    };
    frame();
    frame();
    EXPECT_FALSE(frame());
    SDL_Event exposed{};
    exposed.type = SDL_VIDEOEXPOSE;
    gInput->HandleEvent(exposed);
    EXPECT_TRUE(frame());
    EXPECT_FALSE(frame());
}

} // namespace
