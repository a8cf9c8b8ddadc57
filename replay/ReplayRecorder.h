#pragma once

#include "replay/Recording.h"

#include <cstdint>
#include <vector>

class BattleState;

// Records the battle the game plays on this thread, told by the battle itself: every order
// as it is given (onOrder), with the fighter as it stood, and every phase carried out
// (onPhase) with the dice its rules drew — the values the thread's generator drew since the
// last order, phase or frame — and the fighters' digest. Whoever decides, however many
// frames it takes and however many steps a frame takes, the recording holds what happened.
class ReplayRecorder {
public:
    ReplayRecorder();  // listens to this thread's dice
    ~ReplayRecorder(); // and stops
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    // A fresh battle starts recording from here; its onOrder and onPhase are the recorder's.
    void Begin(BattleState& battle, const std::string& battleName);
    // A battle read back goes on with what was recorded of it up to where it stands.
    void Continue(BattleState& battle, Recording sofar);
    // The top of every frame; once the battle is over, its outcome is kept.
    void Observe(const BattleState& battle);

    const Recording& Current() const { return recording_; }
    bool Ended() const { return recording_.outcome != BattleOutcome::Undecided; }

private:
    void Ordered(const BattleState& battle, const Fighter& fighter);
    void Phased(const BattleState& battle);

    Recording recording_;
    std::vector<int32_t> drawn_; // since the last order, phase or frame
};
