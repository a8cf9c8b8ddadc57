#pragma once

#include "battle/BattleState.h"
#include "rules/BattleOutcome.h"
#include "simulate/BattleRandom.h"
#include "sound/SoundSystem.h"

#include <cstdint>
#include <functional>
#include <vector>

struct BattleSnapshot;

// Plays a battle on from a snapshot to its end with the game's own rules and nothing else:
// no drawing, no sound, no clock, and markers land the moment they are launched (their
// flight only delays the phases). Every decision goes to the decider of the waiting
// fighter's side; by default the computer's rule decides for every side, with team 1's
// mirrored to choose among the fighters outside team 1 as the computer chooses among the
// first four.
//
// It holds a battle record reused from play to play, which keeps no log. While it plays, the Random
// seam of the playing thread draws from its own generator and that thread's gSound is a silent
// system of its own; both are given back after. Any number may live on a thread, one plays at a
// time.
class ForwardPlay {
public:
    // Gives the front fighter of battle.decisionQueue its order (and ends the decision).
    using Decider = std::function<void(BattleState& battle)>;

    struct Result {
        BattleOutcome outcome = BattleOutcome::Undecided; // Undecided: the turn limit came
        int32_t turns = 0; // turns begun, at least 1, at most the turn limit
    };

    ForwardPlay();
    ~ForwardPlay();
    ForwardPlay(const ForwardPlay&) = delete;
    ForwardPlay& operator=(const ForwardPlay&) = delete;

    // An empty decider brings back the rule.
    void SetTeam1Decider(Decider decider) { team1_ = std::move(decider); }
    void SetOthersDecider(Decider decider) { others_ = std::move(decider); }

    // Play `index` of a series seeded with `seed`: the same three give the same battle on
    // any machine and thread. Plays until one side is gone or the battle has begun turn
    // `turnLimit` and finished it.
    Result Play(const BattleSnapshot& from, uint64_t seed, uint64_t index, int32_t turnLimit);

    // The same from wherever Battle() stands now (after Play, or after restoring into it).
    Result PlayOn(int32_t turnLimit);
    // Restores `from` into Battle() and seeds the generator, without playing. A decider may
    // call PlayOn of another ForwardPlay, never of this one.
    void Start(const BattleSnapshot& from, uint64_t seed, uint64_t index);

    // The record played on; its counts and fighters may be read and set between plays.
    BattleState& Battle() { return battle_; }
    const BattleState& Battle() const { return battle_; }

    // The rule for team 1: the computer's, among the fighters outside team 1.
    static void MirroredRule(BattleState& battle);

private:
    void Decide();

    BattleState battle_;
    BattleRandom random_;
    SoundSystem silence_; // never started
    Decider team1_;
    Decider others_;
};
