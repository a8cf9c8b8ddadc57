#include "replay/ReplayPlayer.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "rules/CombatLog.h"
#include "rules/Orders.h"
#include "saving/SnapshotCodec.h"
#include "sound/SoundSystem.h"

void ReplayPlayer::Begin(BattleState& battle) {
    recording_.start.Restore(battle);
    next_ = 0;
    drawn_ = 0;
    overdrawn_ = false;
    divergence_.clear();
}

void ReplayPlayer::Diverge(const BattleState& battle, const std::string& what) {
    if (divergence_.empty()) {
        divergence_ = "turn " + std::to_string(battle.turn) + ", phase " +
                      std::to_string(battle.phase) + ": " + what;
    }
}

const Recording::Step* ReplayPlayer::Next(Recording::Step::Kind kind) const {
    return next_ < recording_.steps.size() && recording_.steps[next_].kind == kind
               ? &recording_.steps[next_]
               : nullptr;
}

bool ReplayPlayer::GiveOrder(BattleState& battle) {
    const Recording::Step* step = Next(Recording::Step::Kind::Order);
    const int32_t waiting = battle.decisionQueue.empty()
                                ? -1
                                : SnapshotCodec::PlaceOf(battle, battle.decisionQueue.front());
    if (step == nullptr || step->place != waiting) {
        Diverge(battle,
                "the recording has no order for " +
                    (waiting < 0 ? std::string("nobody")
                                 : battle.fighters[static_cast<std::size_t>(waiting)]->name));
        return false;
    }
    Fighter& fighter = *battle.fighters[static_cast<std::size_t>(waiting)];
    SettingsTable kept = std::move(fighter.settings);
    fighter = step->fighter;
    fighter.settings = std::move(kept);
    fighter.target =
        step->target < 0 ? nullptr : battle.fighters[static_cast<std::size_t>(step->target)].get();
    ::GiveOrder(battle);
    ++next_;
    return true;
}

int ReplayPlayer::Dice() {
    const Recording::Step* step = Next(Recording::Step::Kind::Phase);
    if (step == nullptr || drawn_ >= step->dice.size()) {
        overdrawn_ = true;
        return 0;
    }
    return step->dice[drawn_++];
}

void ReplayPlayer::AfterPhase(BattleState& battle, int32_t phaseBefore, int32_t turnBefore) {
    if (battle.phase == phaseBefore && battle.turn == turnBefore) {
        if (drawn_ > 0 || overdrawn_) { // a fighter was asked: no phase, so no dice
            Diverge(battle, "dice were drawn before the phase ran");
        }
        return;
    }
    const Recording::Step* step = Next(Recording::Step::Kind::Phase);
    if (step == nullptr) {
        Diverge(battle, "the recording has an order where the phase ran");
    } else if (overdrawn_ || drawn_ != step->dice.size()) {
        Diverge(battle, "the phase drew other dice than recorded");
    } else if (SnapshotCodec::FightersDigest(battle) != step->digest) {
        Diverge(battle, "the fighters stand otherwise than recorded");
    }
    ++next_;
    drawn_ = 0;
    overdrawn_ = false;
}

bool ReplayPlayer::Step(BattleState& battle) {
    if (!divergence_.empty() || battle.outcome != BattleOutcome::Undecided) {
        return false;
    }
    if (battle.awaitingOrder) {
        return GiveOrder(battle);
    }
    if (next_ >= recording_.steps.size()) {
        Diverge(battle, "the recording ends before the battle does");
        return false;
    }
    battle.missiles.clear(); // landed: only a picture
    const int32_t phase = battle.phase, turn = battle.turn;
    {
        const Random::Scoped dice([this] { return Dice(); }, [](uint32_t) {});
        battle.StepPhase();
    }
    AfterPhase(battle, phase, turn);
    if (!battle.awaitingOrder) {
        battle.outcome = JudgeOutcome(battle);
        if (battle.outcome != BattleOutcome::Undecided) {
            AddMessage(battle, ClosingLine(battle.outcome));
            battle.missiles.clear();
        }
    }
    return divergence_.empty();
}

bool ReplayPlayer::Verify(const Recording& recording, BattleState& battle, std::string& verdict) {
    SoundSystem silence; // never started
    SoundSystem* const heard = gSound;
    gSound = &silence;
    ReplayPlayer player(recording);
    player.Begin(battle);
    while (player.Step(battle)) {
    }
    gSound = heard;
    const auto ending = [](BattleOutcome outcome, int32_t turns) {
        return std::string(outcome == BattleOutcome::Victory  ? "Victory"
                           : outcome == BattleOutcome::Defeat ? "Defeat"
                                                              : "no end") +
               " after " + std::to_string(turns) + " turns";
    };
    if (player.Matches(battle)) {
        verdict = ending(battle.outcome, battle.turn);
        return true;
    }
    verdict = !player.Divergence().empty()
                  ? "at " + player.Divergence()
                  : "at the end: the recording says " + ending(recording.outcome, recording.turns) +
                        ", the game plays " + ending(battle.outcome, battle.turn);
    return false;
}

bool ReplayPlayer::Matches(const BattleState& battle) const {
    return divergence_.empty() && next_ == recording_.steps.size() &&
           battle.outcome == recording_.outcome && battle.turn == recording_.turns;
}
