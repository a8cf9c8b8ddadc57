#include "simulate/HeadlessBattle.h"

#include "platform/Random.h"
#include "rules/BattleOutcome.h"
#include "rules/ComputerDecision.h"

#include <memory>

HeadlessBattle::HeadlessBattle(const std::vector<Fighter>& fighters)
    : fighters_(fighters), tallies_(fighters.size()) {
    for (const Fighter& fighter : fighters_) {
        battle_.fighters.push_back(std::make_unique<Fighter>(fighter));
        if (fighter.team != 1) {
            outsideTeam1_.push_back(battle_.fighters.back().get());
        }
    }
    battle_.onHit = [this](const Fighter& attacker, const Fighter& victim, int32_t lost,
                           bool killed) {
        tallies_[IndexOf(attacker)].damageDealt += lost;
        tallies_[IndexOf(victim)].damageTaken += lost;
        if (killed) {
            ++tallies_[IndexOf(attacker)].kills;
        }
    };
    Random::Override([this] { return random_.Next(); });
}

HeadlessBattle::~HeadlessBattle() {
    Random::Restore();
}

std::size_t HeadlessBattle::IndexOf(const Fighter& fighter) const {
    std::size_t i = 0;
    while (battle_.fighters[i].get() != &fighter) {
        ++i;
    }
    return i;
}

void HeadlessBattle::Restart() {
    for (std::size_t i = 0; i < fighters_.size(); ++i) {
        *battle_.fighters[i] = fighters_[i];
    }
    battle_.phase = 1;
    battle_.awaitingOrder = false;
    battle_.buttonHeld = false;
    battle_.decisionQueue.clear();
    battle_.messages.clear();
    battle_.missiles.clear();
}

void HeadlessBattle::Decide() {
    if (!battle_.decisionQueue.empty() && battle_.decisionQueue.front()->team == 1) {
        DecideComputerOrder(battle_, outsideTeam1_.data(), outsideTeam1_.size());
    } else {
        DecideComputerOrder(battle_);
    }
}

BattleResult HeadlessBattle::Play(uint64_t seed, uint64_t index, int32_t turnLimit) {
    Restart();
    random_.Reseed(seed, index);

    BattleResult result;
    result.turns = 1;
    BattleOutcome outcome = JudgeOutcome(battle_);
    while (outcome == BattleOutcome::Undecided) {
        if (battle_.awaitingOrder) {
            Decide();
            continue;
        }
        battle_.StepPhase();
        if (battle_.awaitingOrder) {
            continue; // a fighter was queued; the phase has not run yet
        }
        battle_.missiles.clear();
        outcome = JudgeOutcome(battle_);
        if (outcome == BattleOutcome::Undecided && battle_.phase == 1) {
            if (result.turns == turnLimit) {
                break;
            }
            ++result.turns;
        }
    }

    result.winner = outcome == BattleOutcome::Victory  ? BattleWinner::Team1
                    : outcome == BattleOutcome::Defeat ? BattleWinner::Others
                                                       : BattleWinner::Draw;
    for (std::size_t i = 0; i < fighters_.size(); ++i) {
        if (!battle_.fighters[i]->dead) {
            ++tallies_[i].survived;
        }
    }
    return result;
}
