#include "options/ComfortControls.h"

#include "battle/BattleState.h"
#include "battle/TileSheet.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "engine/NumberConversion.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "options/HelpOverlay.h"
#include "options/OptionsFile.h"
#include "platform/Clock.h"
#include "sound/SoundSystem.h"

#include <string>
#include <vector>

namespace {

// Between looks at the keys while nothing moves (microseconds): a key is seen within a
// frame or two, and the loop costs next to nothing.
constexpr uint64_t kStillPause = 20000;

// The banner over the middle of the battlefield, as at the end of a battle.
constexpr int32_t kFieldCentreX = 136;
constexpr int32_t kBannerTop = 110;

// The strip's bottom line, below what the insight shows there.
constexpr int32_t kStatusY = 460, kStatusLeft = 12, kStatusRight = 630;

void DrawCentred(Font& font, const std::string& text, int32_t y) {
    font.DrawText(text, kFieldCentreX - font.TextWidth(text) / 2, y, 1.0f, 1.0f, 1.0f);
}

} // namespace

int32_t ComfortControls::Speed() const {
    if (fixedSpeed > 0) {
        return fixedSpeed;
    }
    return gKernel ? gKernel->options.speed : 1;
}

bool ComfortControls::TakeFrame(BattleState& battle) {
    if (!gKernel || !gInput) {
        return false;
    }
    Options& options = gKernel->options;
    const Options before = options;
    std::vector<int32_t> rest; // the keys the battle still sees
    for (const int32_t key : gInput->keysPressed) {
        if (shown_ == Shown::Help) {
            shown_ = Shown::Battle; // any key
        } else if (shown_ == Shown::Options) {
            shown_ = screen_.Key(key, options) ? Shown::Options : Shown::Battle;
        } else if (!TakeKey(key, battle, options)) {
            rest.push_back(key);
        }
    }
    gInput->keysPressed = std::move(rest);
    if (shown_ == Shown::Options) {
        screen_.Pointer(options);
    }
    if (!(options == before)) {
        gSound->SetVolumes(options.MusicLevel(), options.SoundLevel());
        OptionsFile::Save(options);
        gInput->exposed = true; // the status line changed, even under a resting banner
    }
    if (shown_ == Shown::Battle && !paused_) {
        // The battle's own frame covers the still one whole, even one that rests.
        gInput->exposed = gInput->exposed || drawn_;
        drawn_ = false;
        return false;
    }
    const bool same = drawn_ && drawnShown_ == shown_ && drawnRow_ == screen_.row &&
                      drawnOptions_ == options && !gInput->exposed;
    if (same) {
        Clock::Sleep(kStillPause);
        return true;
    }
    StillFrame(battle, options);
    return true;
}

void ComfortControls::DrawStatus(const BattleState& battle) const {
    if (!gKernel) {
        return;
    }
    const Options& options = gKernel->options;
    std::string status;
    const auto add = [&status](const std::string& part) {
        status += (status.empty() ? "" : "   ") + part;
    };
    if (options.speed != 1) {
        add("Speed " + std::to_string(options.speed) + " x");
    }
    if (options.mute) {
        add("Muted");
    }
    if (options.soundVolume != Options::kFullVolume) {
        add("Sound " + std::to_string(options.soundVolume) + " %");
    }
    if (options.musicVolume != Options::kFullVolume) {
        add("Music " + std::to_string(options.musicVolume) + " %");
    }
    Font& font = *battle.font;
    font.DrawText("F1 or ?: every key", kStatusLeft, kStatusY, 1.0f, 1.0f, 1.0f);
    if (!status.empty()) {
        font.DrawText(status, kStatusRight - font.TextWidth(status), kStatusY, 1.0f, 1.0f, 1.0f);
    }
}

bool ComfortControls::TakeKey(int32_t key, const BattleState& battle, Options& options) {
    switch (key) {
    case 'm':
        options.mute = options.mute ? 0 : 1;
        return true;
    case '-':
        options.StepSoundVolume(-1);
        return true;
    case '=':
        options.StepSoundVolume(1);
        return true;
    case 'f':
        options.StepSpeed();
        return true;
    case InputSystem::kF1 + 10: // F11
        OptionsScreen::SwapScreen(options);
        return true;
    case 'p':
    case ' ':
        // Once the battle is decided nothing moves anyway.
        paused_ = !paused_ && battle.outcome == BattleOutcome::Undecided;
        return true;
    case InputSystem::kF1:
    case '?':
        shown_ = Shown::Help;
        return true;
    case 'o':
        shown_ = Shown::Options;
        return true;
    default:
        return false;
    }
}

void ComfortControls::StillFrame(BattleState& battle, const Options& options) {
    gVideo->ClearFrame();
    if (shown_ == Shown::Help) {
        HelpOverlay::Draw(battle);
    } else if (shown_ == Shown::Options) {
        screen_.Draw(battle, options);
    } else {
        battle.DrawField();
        for (const Missile& marker : battle.missiles) {
            gVideo->DrawSpriteRegion(battle.tiles, kMarkerX, kMarkerY, kCell, kCell,
                                     TruncateToInt(marker.x), TruncateToInt(marker.y), 1.0f, 1.0f,
                                     1.0f, 1.0f);
        }
        gVideo->DrawSpriteRegion(battle.tiles, kBannerX, kBannerY, kBannerWidth, kBannerHeight,
                                 kFieldCentreX - static_cast<int32_t>(kBannerWidth) / 2, kBannerTop,
                                 1.0f, 1.0f, 1.0f, 1.0f);
        DrawCentred(*battle.font, "Paused", kBannerTop + 8);
        DrawCentred(*battle.font, "Press P to go on", kBannerTop + 28);
    }
    gVideo->EndFrame();
    drawn_ = true;
    drawnShown_ = shown_;
    drawnRow_ = screen_.row;
    drawnOptions_ = options;
}
