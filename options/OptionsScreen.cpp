#include "options/OptionsScreen.h"

#include "battle/BattleState.h"
#include "engine/InputSystem.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "options/Options.h"

#include <algorithm>
#include <string>

namespace {

const char* const kNames[OptionsScreen::kRows] = {"Music volume", "Sound volume", "Mute",
                                                  "Speed",        "Screen",       "Difficulty"};

constexpr int32_t kNameX = 150, kLowerX = 330, kValueX = 350, kRaiseX = 470;
constexpr int32_t kTop = 130, kRowHeight = 28, kArrowWidth = 16;
constexpr float kShade = 0.1f; // as under the help

std::string Value(const Options& options, int32_t row) {
    switch (row) {
    case 0:
        return std::to_string(options.musicVolume) + " %";
    case 1:
        return std::to_string(options.soundVolume) + " %";
    case 2:
        return options.mute ? "on" : "off";
    case 3:
        return std::to_string(options.speed) + " x";
    case 4:
        return gVideo->fullScreen ? "full screen" : "window";
    default:
        return options.difficulty;
    }
}

bool Within(int32_t at, int32_t from, int32_t width) {
    return at >= from && at < from + width;
}

} // namespace

void OptionsScreen::SwapScreen(Options& options) {
    if (gVideo->ToggleFullScreen()) {
        options.fullScreen = gVideo->fullScreen ? 1 : 0;
    }
}

void OptionsScreen::Change(Options& options, int32_t by) {
    switch (row) {
    case 0:
        options.musicVolume =
            std::clamp(options.musicVolume + by * Options::kVolumeStep, 0, Options::kFullVolume);
        break;
    case 1:
        options.StepSoundVolume(by);
        break;
    case 2:
        options.mute = options.mute ? 0 : 1;
        break;
    case 3:
        // Forward through 1, 2, 4; back is forward twice.
        options.StepSpeed();
        if (by < 0) {
            options.StepSpeed();
        }
        break;
    case 4:
        SwapScreen(options);
        break;
    default:
        options.StepDifficulty();
        break;
    }
}

bool OptionsScreen::Key(int32_t key, Options& options) {
    switch (key) {
    case InputSystem::kEscape:
    case 'o':
        return false;
    case InputSystem::kUp:
        row = (row + kRows - 1) % kRows;
        break;
    case InputSystem::kDown:
        row = (row + 1) % kRows;
        break;
    case InputSystem::kLeft:
    case '-':
        Change(options, -1);
        break;
    case InputSystem::kRight:
    case '=':
    case InputSystem::kEnter:
        Change(options, 1);
        break;
    default:
        break;
    }
    return true;
}

void OptionsScreen::Pointer(Options& options) {
    const bool released = held_ && !gInput->leftButton;
    held_ = gInput->leftButton;
    if (!released || gInput->mouseY < kTop) {
        return;
    }
    const int32_t clicked = (gInput->mouseY - kTop) / kRowHeight;
    if (clicked >= kRows) {
        return;
    }
    const bool lower = Within(gInput->mouseX, kLowerX, kArrowWidth);
    if (lower || Within(gInput->mouseX, kRaiseX, kArrowWidth)) {
        row = clicked;
        Change(options, lower ? -1 : 1);
    }
}

void OptionsScreen::Draw(const BattleState& battle, const Options& options) const {
    gVideo->DrawSprite(battle.background, 0, 0, kShade, kShade, kShade, 1.0f);
    Font& font = *battle.font;
    font.DrawText("Options", kNameX, kTop - 2 * kRowHeight, 1.0f, 0.85f, 0.3f);
    for (int32_t i = 0; i < kRows; ++i) {
        const int32_t y = kTop + i * kRowHeight;
        const float other = i == row ? 0.0f : 1.0f; // the chosen row green, as a waiting panel
        font.DrawText(kNames[i], kNameX, y, other, 1.0f, other);
        font.DrawText("<", kLowerX, y, 0.6f, 1.0f, 0.6f);
        font.DrawText(Value(options, i), kValueX, y, other, 1.0f, other);
        font.DrawText(">", kRaiseX, y, 0.6f, 1.0f, 0.6f);
    }
    const int32_t below = kTop + kRows * kRowHeight + kRowHeight;
    font.DrawText("Up, Down: choose   Left, Right or a click on < >: change", kNameX - 40, below,
                  1.0f, 1.0f, 1.0f);
    font.DrawText("Escape: back to the battle", kNameX - 40, below + 20, 1.0f, 1.0f, 1.0f);
}
