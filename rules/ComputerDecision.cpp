#include "rules/ComputerDecision.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "rules/Orders.h"

#include <array>

namespace {

struct Candidates {
    Fighter* const* places;
    std::size_t count;
};

bool AnyCandidateAlive(Candidates candidates) {
    for (std::size_t i = 0; i < candidates.count; ++i) {
        if (candidates.places[i] != nullptr && !candidates.places[i]->IsDead()) {
            return true;
        }
    }
    return false;
}

// Nearest living candidate closer than 999 pixels; ties keep the earlier one.
Fighter* NearestCandidate(Candidates candidates, const Fighter& fighter, float& bestDistance) {
    Fighter* best = nullptr;
    bestDistance = 999.0f;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        Fighter* candidate = candidates.places[i];
        if (candidate == nullptr) {
            continue;
        }
        const float d = Distance(fighter.x, fighter.y, candidate->x, candidate->y);
        if (d < bestDistance && !candidate->IsDead()) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

// Draws until a living candidate comes up; the caller has made sure there is one.
Fighter* RandomCandidate(Candidates candidates) {
    for (;;) {
        const int k = Random::Next() % static_cast<int>(candidates.count);
        if (k < 0) {
            continue;
        }
        Fighter* candidate = candidates.places[k];
        if (candidate != nullptr && !candidate->IsDead()) {
            return candidate;
        }
    }
}

} // namespace

void DecideComputerOrder(BattleState& battle) {
    // Places past the end of a short list stay empty but are still drawn, as in the game.
    std::array<Fighter*, kComputerCandidates> places{};
    for (std::size_t i = 0; i < places.size() && i < battle.fighters.size(); ++i) {
        places[i] = battle.fighters[i].get();
    }
    DecideComputerOrder(battle, places.data(), places.size());
}

void DecideComputerOrder(BattleState& battle, Fighter* const* places, std::size_t count) {
    if (battle.decisionQueue.empty()) {
        GiveOrder(battle);
        return;
    }
    Fighter& fighter = *battle.decisionQueue.front();
    const Candidates candidates{places, count};

    // Nobody left to attack: the fighter stands for good rather than keep the battle
    // waiting on a decision that has no answer.
    if (!AnyCandidateAlive(candidates)) {
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
        fighter.target = RandomCandidate(candidates);
        fighter.countdownStart = kMissileCountdown;
        fighter.countdown = kMissileCountdown;
        GiveOrder(battle);
        return;
    }

    float bestDistance = 0.0f;
    Fighter* best = NearestCandidate(candidates, fighter, bestDistance);
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
