#pragma once

#include "battle/BattleState.h"
#include "engine/GameState.h"
#include "replay/ReplayPlayer.h"

#include <cstdint>

struct Recording;

// The game's screen playing a recording by itself: the battle's own frames, with the
// recorded orders given and the recorded dice drawn. Space pauses, Right doubles the speed
// up to 8 x (the frames between those shown are played unseen), Left halves it, Q ends it.
// The window's title says the speed. Nothing is saved or recorded meanwhile.
class ReplayViewer : public GameState {
public:
    static constexpr int32_t kFastest = 8;

    explicit ReplayViewer(const Recording& recording);
    ~ReplayViewer() override;

    // Runs the program with this screen instead of a battle; the process's exit status.
    static int Show(const Recording& recording);

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override;
    void Render() override {}
    void Enter() override {}
    void Leave() override {}

    int32_t Speed() const { return speed_; }
    bool Paused() const { return paused_; }

private:
    void HandleKeys();
    void BattleFrame();
    void ShowTitle() const;

    const Recording& recording_;
    BattleState battle_;
    ReplayPlayer player_;
    uint32_t ticks_ = 0; // the battle's own clock: 18 ms a frame, whatever the display does
    int32_t speed_ = 1;
    bool paused_ = false;
    bool over_ = false; // the end (or where it went another way) has been said
};
