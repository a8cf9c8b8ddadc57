#include "replay/ReplayRecorder.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "saving/SnapshotCodec.h"

ReplayRecorder::ReplayRecorder() {
    Random::Listen([this](int value) { drawn_.push_back(value); });
}

ReplayRecorder::~ReplayRecorder() {
    Random::Listen({});
}

void ReplayRecorder::Begin(BattleState& battle, const std::string& battleName) {
    Recording fresh;
    fresh.battle = battleName;
    fresh.start = BattleSnapshot::Capture(battle);
    Continue(battle, std::move(fresh));
}

void ReplayRecorder::Continue(BattleState& battle, Recording sofar) {
    recording_ = std::move(sofar);
    drawn_.clear();
    const BattleState* recorded = &battle;
    battle.onOrder = [this, recorded](const Fighter& fighter) { Ordered(*recorded, fighter); };
    battle.onPhase = [this, recorded] { Phased(*recorded); };
}

void ReplayRecorder::Ordered(const BattleState& battle, const Fighter& fighter) {
    if (Ended()) {
        return;
    }
    Recording::Step step;
    step.kind = Recording::Step::Kind::Order;
    step.place = SnapshotCodec::PlaceOf(battle, &fighter);
    step.fighter = fighter;
    step.fighter.settings.clear();
    step.fighter.target = nullptr;
    step.target = SnapshotCodec::PlaceOf(battle, fighter.target);
    recording_.steps.push_back(std::move(step));
    drawn_.clear(); // what the decider drew is not the phase's
}

void ReplayRecorder::Phased(const BattleState& battle) {
    if (Ended()) {
        return;
    }
    Recording::Step step;
    step.dice = std::move(drawn_);
    step.digest = SnapshotCodec::FightersDigest(battle);
    recording_.steps.push_back(std::move(step));
    drawn_.clear();
}

void ReplayRecorder::Observe(const BattleState& battle) {
    drawn_.clear(); // a frame's dice are drawn within it
    if (!Ended() && battle.outcome != BattleOutcome::Undecided) {
        recording_.outcome = battle.outcome;
        recording_.turns = battle.turn;
    }
}
