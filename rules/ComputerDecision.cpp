#include "rules/ComputerDecision.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "rules/Orders.h"

#include <algorithm>

namespace {

// The computer only ever attacks the first four fighters of the list, whatever their team
// (so a computer fighter among them may pick itself).
constexpr size_t kCandidates = 4;

size_t CandidateCount(const BattleState& battle) {
    return std::min(kCandidates, battle.fighters.size());
}

bool AnyCandidateAlive(const BattleState& battle) {
    for (size_t i = 0; i < CandidateCount(battle); ++i) {
        if (!battle.fighters[i]->IsDead()) {
            return true;
        }
    }
    return false;
}

// Nearest living candidate closer than 999 pixels; ties keep the earlier one.
Fighter* NearestCandidate(BattleState& battle, const Fighter& fighter, float& bestDistance) {
    Fighter* best = nullptr;
    bestDistance = 999.0f;
    for (size_t i = 0; i < CandidateCount(battle); ++i) {
        Fighter& candidate = *battle.fighters[i];
        const float d = Distance(fighter.x, fighter.y, candidate.x, candidate.y);
        if (d < bestDistance && !candidate.IsDead()) {
            best = &candidate;
            bestDistance = d;
        }
    }
    return best;
}

// Draws until a living candidate comes up; the caller has made sure there is one.
Fighter* RandomCandidate(BattleState& battle) {
    for (;;) {
        const size_t k = static_cast<size_t>(Random::Next() % 4);
        if (k < battle.fighters.size() && !battle.fighters[k]->IsDead()) {
            return battle.fighters[k].get();
        }
    }
}

} // namespace

void DecideComputerOrder(BattleState& battle) {
    if (battle.decisionQueue.empty()) {
        GiveOrder(battle);
        return;
    }
    Fighter& fighter = *battle.decisionQueue.front();

    // Nobody left to attack: the fighter stands for good rather than keep the battle
    // waiting on a decision that has no answer.
    if (!AnyCandidateAlive(battle)) {
        fighter.order = OrderCode::Hold;
        GiveOrder(battle);
        return;
    }

    bool missile;
    if (fighter.meleeSkill > fighter.missileSkill) {
        missile = false;
    } else if (fighter.missileSkill > fighter.meleeSkill) {
        missile = true;
    } else {
        missile = Random::Next() % 100 <= 50;
    }

    if (missile) {
        fighter.order = OrderCode::MissileRepeat;
        fighter.target = RandomCandidate(battle);
        fighter.countdownStart = kMissileCountdown;
        fighter.countdown = kMissileCountdown;
        GiveOrder(battle);
        return;
    }

    float bestDistance = 0.0f;
    Fighter* best = NearestCandidate(battle, fighter, bestDistance);
    if (best == nullptr) {
        // Every living candidate is 999 pixels or more away, off any battlefield.
        fighter.order = OrderCode::Hold;
    } else if (bestDistance <= kMeleeReach) {
        // At exactly 24 the blow is prepared in place although it needs less than 24 to
        // land; it then misses with "Target out of range!" and the fighter is asked again.
        fighter.target = best;
        fighter.order = OrderCode::MeleeRepeat;
        fighter.countdownStart = kMeleeCountdown;
        fighter.countdown = kMeleeCountdown;
    } else {
        fighter.target = best;
        fighter.order = OrderCode::ApproachMeleeRepeat;
        fighter.destX = best->x;
        fighter.destY = best->y;
        fighter.stepX = (fighter.destX - fighter.x) * (1.0f / bestDistance);
        fighter.stepY = (fighter.destY - fighter.y) * (1.0f / bestDistance);
    }
    GiveOrder(battle);
}
