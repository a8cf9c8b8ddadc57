#include "bench/BenchEngine.h"

#include "battle/BattleState.h"
#include "battle/PhaseTable.h"
#include "rules/ComputerDecision.h"
#include "rules/Orders.h"

Texture NullVideo::LoadTGA(std::string) {
    Texture texture;
    texture.id = nextId_++;
    texture.width = 256.0f;
    texture.height = 256.0f;
    return texture;
}

int32_t ActingFighters(const BattleState& battle, int32_t phase) {
    int32_t count = 0;
    for (const auto& fighter : battle.fighters) {
        if (!fighter->dead && ActsInPhase(fighter->speed, phase)) {
            ++count;
        }
    }
    return count;
}

EndlessBattle::EndlessBattle(BattleState& battle) : battle_(battle) {
    for (auto& fighter : battle_.fighters) {
        if (fighter->team == 1) {
            fighter->team = 2;
        }
        start_.push_back({fighter->x, fighter->y, fighter->hitPoints});
    }
}

bool EndlessBattle::SideDefeated() const {
    const std::size_t half = battle_.fighters.size() / 2;
    bool firstAlive = false;
    bool lastAlive = false;
    for (std::size_t i = 0; i < battle_.fighters.size(); ++i) {
        if (!battle_.fighters[i]->dead) {
            (i < half ? firstAlive : lastAlive) = true;
        }
    }
    return !firstAlive || !lastAlive;
}

void EndlessBattle::Restart() {
    for (std::size_t i = 0; i < battle_.fighters.size(); ++i) {
        Fighter& fighter = *battle_.fighters[i];
        fighter.x = start_[i].x;
        fighter.y = start_[i].y;
        fighter.hitPoints = start_[i].hitPoints;
        fighter.dead = false;
        fighter.order = OrderCode::None;
        fighter.countdown = 0;
        fighter.countdownStart = 0;
        fighter.destX = fighter.destY = -1.0f;
        fighter.target = nullptr;
    }
    battle_.decisionQueue.clear();
    battle_.awaitingOrder = false;
    battle_.missiles.clear();
    battle_.phase = 1;
    ++restarts;
}

int64_t EndlessBattle::Step() {
    if (SideDefeated()) {
        Restart();
    }
    if (battle_.awaitingOrder) {
        if (battle_.decisionQueue.empty()) {
            battle_.awaitingOrder = false;
        } else {
            DecideComputerOrder(battle_);
        }
        return 0;
    }
    if (!battle_.missiles.empty()) {
        battle_.missiles.clear();
        return 0;
    }
    // The loop's phase step: ask the first idle acting fighter, else run the phase.
    battle_.decisionQueue.clear();
    for (auto& fighter : battle_.fighters) {
        if (!fighter->dead && ActsInPhase(fighter->speed, battle_.phase) &&
            fighter->order == OrderCode::None) {
            battle_.decisionQueue.push_back(fighter.get());
            battle_.awaitingOrder = true;
            return 0;
        }
    }
    const int32_t actions = ActingFighters(battle_, battle_.phase);
    DispatchPhase(battle_, battle_.phase);
    battle_.phase = battle_.phase % 12 + 1;
    return actions;
}
