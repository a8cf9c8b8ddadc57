#include "snapshot/ForwardPlay.h"

#include "battle/PhaseTable.h"
#include "platform/Random.h"
#include "rules/ComputerDecision.h"
#include "snapshot/BattleSnapshot.h"

#include <algorithm>

ForwardPlay::ForwardPlay() {
    battle_.keepsLog = false;
}
ForwardPlay::~ForwardPlay() = default;

void ForwardPlay::MirroredRule(BattleState& battle) {
    thread_local std::vector<Fighter*> outsideTeam1; // kept: this runs at every decision
    outsideTeam1.clear();
    for (const auto& fighter : battle.fighters) {
        if (fighter->team != 1) {
            outsideTeam1.push_back(fighter.get());
        }
    }
    DecideComputerOrder(battle, outsideTeam1.data(), outsideTeam1.size());
}

void ForwardPlay::Decide() {
    const bool team1 = !battle_.decisionQueue.empty() && battle_.decisionQueue.front()->team == 1;
    const Decider& decider = team1 ? team1_ : others_;
    if (decider) {
        decider(battle_);
    } else if (team1) {
        MirroredRule(battle_);
    } else {
        DecideComputerOrder(battle_);
    }
}

void ForwardPlay::Start(const BattleSnapshot& from, uint64_t seed, uint64_t index) {
    from.Restore(battle_, false);
    battle_.missiles.clear(); // markers are pictures: the attacks behind them land by phase
    random_.Reseed(seed, index);
}

ForwardPlay::Result ForwardPlay::Play(const BattleSnapshot& from, uint64_t seed, uint64_t index,
                                      int32_t turnLimit) {
    Start(from, seed, index);
    return PlayOn(turnLimit);
}

ForwardPlay::Result ForwardPlay::PlayOn(int32_t turnLimit) {
    const Random::Scoped dice([this] { return random_.Next(); });
    SoundSystem* const heard = gSound;
    gSound = &silence_;
    BattleOutcome outcome = JudgeOutcome(battle_);
    // The phases in which someone living acts; as fighters fall it only grows too wide.
    uint32_t acting = 0;
    for (const auto& fighter : battle_.fighters) {
        for (int32_t phase = 1; phase <= 12; ++phase) {
            if (!fighter->IsDead() && ActsInPhase(fighter->speed, phase)) {
                acting |= 1u << phase;
            }
        }
    }
    while (outcome == BattleOutcome::Undecided) {
        if (battle_.awaitingOrder) {
            Decide();
            continue;
        }
        // The last phase of the last turn has run: the limit has come.
        if (battle_.phase == 1 && battle_.turn >= turnLimit) {
            break;
        }
        const bool idle = battle_.phase >= 0 && battle_.phase <= 12 &&
                          (acting & (1u << battle_.phase)) == 0 && !battle_.onPhase;
        if (idle) {
            // Nobody acts and nobody is asked: only the clock moves, as a phase would move it.
            battle_.turn += battle_.phase == 1 ? 1 : 0;
            battle_.phase = battle_.phase % 12 + 1;
            continue;
        }
        battle_.StepPhase();
        if (battle_.awaitingOrder) {
            continue; // a fighter was queued; the phase has not run yet
        }
        battle_.missiles.clear();
        outcome = JudgeOutcome(battle_);
    }
    gSound = heard;
    battle_.outcome = outcome;
    return {outcome, std::max(battle_.turn, 1)};
}
