#include "replay/ReplayViewer.h"

#include "engine/GameError.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "engine/Program.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "options/ComfortControls.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "replay/Recording.h"
#include "rules/CombatLog.h"
#include "saving/BattleSession.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr uint32_t kFrameTicks = 18; // just past the battle's phase pacing
constexpr uint64_t kPausedWait = 10000;

// Frames played between those shown go nowhere.
class UnseenVideo : public VideoSystem {
public:
    void DrawSprite(const Texture&, int32_t, int32_t, float, float, float, float) override {}
    void DrawSpriteRegion(const Texture&, float, float, float, float, int32_t, int32_t, float,
                          float, float, float) override {}
    void ClearFrame() override {}
    void EndFrame() override {}
};

} // namespace

ReplayViewer::ReplayViewer(const Recording& recording)
    : recording_(recording), player_(recording) {}

ReplayViewer::~ReplayViewer() {
    Clock::Restore();
}

int ReplayViewer::Show(const Recording& recording) {
    BattleSession::DisableForThisProgram();
    SubsystemFactory factory = SubsystemFactory::Default();
    factory.stateMachine = [&recording] {
        return new StateMachine([&recording] { return new ReplayViewer(recording); });
    };
    return RunProgram(std::move(factory));
}

void ReplayViewer::Init(std::string path) {
    if (!recording_.battle.empty()) { // its ground; the fighters are the recording's
        try {
            battle_.battle = BattleFolder::Read(recording_.battle);
        } catch (const GameError&) {
        }
    }
    battle_.Init(path); // the pictures, the font, the buttons and the music
    ticks_ = Clock::Ticks();
    Clock::Override([this] { return ticks_; });
    player_.Begin(battle_);
    ShowTitle();
}

void ReplayViewer::ShowTitle() const {
    std::string title = "Vornak replay";
    if (paused_) {
        title += ", paused";
    } else if (speed_ > 1) {
        title += " " + std::to_string(speed_) + "x";
    }
    SDL_WM_SetCaption(title.c_str(), nullptr);
}

void ReplayViewer::HandleKeys() {
    auto& keys = gInput->keysPressed;
    for (const int32_t key : keys) {
        if (key == ' ') {
            paused_ = !paused_;
        } else if (key == InputSystem::kRight) {
            speed_ = std::min(speed_ * 2, kFastest);
        } else if (key == InputSystem::kLeft) {
            speed_ = std::max(speed_ / 2, 1);
        } else if (key == 'q' && gKernel) {
            gKernel->quit = true;
        } else {
            continue;
        }
        ShowTitle();
    }
    // A replay is only watched: of the battle's own keys only those of the sound, the window,
    // the log and the debriefing stay, and it takes one step a frame, each checked against
    // the recording.
    static const int32_t kWatching[] = {'m',
                                        '-',
                                        '=',
                                        InputSystem::kF1 + 10,
                                        InputSystem::kTab,
                                        InputSystem::kPageUp,
                                        InputSystem::kPageDown,
                                        InputSystem::kEnd};
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](int32_t key) {
                                  return std::find(std::begin(kWatching), std::end(kWatching),
                                                   key) == std::end(kWatching);
                              }),
               keys.end());
    battle_.comfort->fixedSpeed = 1; // the player's own speed stays in options.cfg
}

void ReplayViewer::BattleFrame() {
    if (battle_.awaitingOrder && !player_.GiveOrder(battle_)) {
        return;
    }
    ticks_ += kFrameTicks;
    const int32_t phase = battle_.phase, turn = battle_.turn;
    {
        const Random::Scoped dice([this] { return player_.Dice(); }, [](uint32_t) {});
        battle_.Update();
    }
    player_.AfterPhase(battle_, phase, turn);
}

void ReplayViewer::Update() {
    HandleKeys();
    const bool ended = battle_.outcome != BattleOutcome::Undecided;
    if (!over_ && (ended || !player_.Divergence().empty())) {
        over_ = true;
        AddMessage(battle_, ended && player_.Matches(battle_)
                                ? "End of the replay. Q leaves."
                                : "The replay went another way at " + player_.Divergence());
        gInput->exposed = true; // the resting battle draws its field again, with the line
    }
    if (over_ || paused_) {
        if (ended && !paused_) {
            battle_.Update(); // the banner, Again and Quit
            if (battle_.outcome == BattleOutcome::Undecided && gKernel) {
                gKernel->quit = true; // Again: a battle to fight belongs to the game
            }
        } else {
            Clock::Sleep(kPausedWait);
        }
        return;
    }
    UnseenVideo unseen;
    VideoSystem* const shown = gVideo;
    gVideo = &unseen;
    for (int32_t i = 1; i < speed_ && battle_.outcome == BattleOutcome::Undecided; ++i) {
        BattleFrame();
    }
    gVideo = shown;
    BattleFrame();
}
