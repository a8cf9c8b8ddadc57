#include "planner/Planner.h"

#include "battle/BattleState.h"
#include "platform/Random.h"
#include "rules/Orders.h"
#include "snapshot/BattleSnapshot.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a walk away goes: two strikes' reach, beyond an enemy's next blow.
constexpr float kWalkAway = 48.0f;
// A skill at which two dice hit one time in twelve or less.
constexpr int32_t kHopeless = 3;
// Weight of the hit points left beside the outcome: it tells two orders that both win
// apart by how dearly they win, so fewer playouts are needed between near-equal ones.
constexpr double kMargin = 0.2;

bool Enemies(const Fighter& a, const Fighter& b) {
    return (a.team == 1) != (b.team == 1);
}

// One to walk away from: an enemy walking up to strike or striking, or one whose blade is
// its better weapon, as the computer's rule would choose.
bool Strikes(const Fighter& enemy) {
    switch (enemy.order) {
    case OrderCode::MeleeOnce:
    case OrderCode::MeleeRepeat:
    case OrderCode::ApproachMeleeOnce:
    case OrderCode::ApproachMeleeRepeat:
        return true;
    default:
        return enemy.meleeSkill > kHopeless && enemy.meleeSkill >= enemy.missileSkill;
    }
}

struct Standing {
    double own = 0.0; // share of the side's hit points left, 0 to 1
    double enemy = 0.0;
};

Standing HitPointsLeft(const BattleState& battle, bool team1) {
    int64_t left[2] = {0, 0};
    int64_t full[2] = {0, 0};
    for (const auto& fighter : battle.fighters) {
        const int side = (fighter->team == 1) == team1 ? 0 : 1;
        left[side] += fighter->dead ? 0 : fighter->hitPoints;
        full[side] += fighter->maxHitPoints;
    }
    const auto share = [](int64_t part, int64_t whole) {
        return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
    };
    return {share(left[0], full[0]), share(left[1], full[1])};
}

} // namespace

std::vector<PlannedOrder> Planner::Candidates(const BattleSnapshot& from) {
    std::vector<PlannedOrder> orders;
    const Fighter& fighter = from.fighters[static_cast<std::size_t>(from.waiting)];
    const Fighter* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (std::size_t i = 0; i < from.fighters.size(); ++i) {
        const Fighter& enemy = from.fighters[i];
        if (enemy.dead || !Enemies(fighter, enemy)) {
            continue;
        }
        PlannedOrder order;
        order.target = static_cast<int32_t>(i);
        // An attack that almost never hits is not worth a playout beside a better one.
        if (fighter.meleeSkill > kHopeless || fighter.missileSkill <= fighter.meleeSkill) {
            order.kind = PlannedOrder::Kind::Strike;
            orders.push_back(order);
        }
        if (fighter.missileSkill > kHopeless || fighter.meleeSkill <= fighter.missileSkill) {
            order.kind = PlannedOrder::Kind::Shoot;
            orders.push_back(order);
        }
        const float d = Distance(fighter.x, fighter.y, enemy.x, enemy.y);
        if (nearest == nullptr || d < nearestDistance) {
            nearest = &enemy;
            nearestDistance = d;
        }
    }
    orders.push_back(PlannedOrder{}); // hold
    // Away from the nearest enemy, or to either side of that: along a wall or past a corner
    // when the way straight back is shut. An archer that keeps out of a blade's reach this
    // way shoots again while its pursuers are shot at; from a bow there is no walking away.
    if (nearest != nullptr && nearestDistance > 0.0f && Strikes(*nearest)) {
        const float awayX = (fighter.x - nearest->x) / nearestDistance;
        const float awayY = (fighter.y - nearest->y) / nearestDistance;
        const float ways[3][2] = {{awayX, awayY}, {-awayY, awayX}, {awayY, -awayX}};
        for (const auto& way : ways) {
            PlannedOrder walk;
            walk.kind = PlannedOrder::Kind::Walk;
            walk.x =
                std::clamp(fighter.x + way[0] * kWalkAway, kFieldFirstPosition, kFieldLastPosition);
            walk.y =
                std::clamp(fighter.y + way[1] * kWalkAway, kFieldFirstPosition, kFieldLastPosition);
            // Pressed against the field's edge that way there is nowhere to go.
            if (Distance(walk.x, walk.y, fighter.x, fighter.y) >= kMeleeReach) {
                orders.push_back(walk);
            }
        }
    }
    return orders;
}

void Planner::PlayOut(const BattleSnapshot& from, uint64_t seed, int32_t first, int32_t count,
                      bool team1, Weighed& weighed) {
    const int32_t limit = from.turn + budget_.horizonTurns;
    for (int32_t k = first; k < first + count; ++k) {
        play_.Start(from, seed, static_cast<uint64_t>(k));
        weighed.order.Give(play_.Battle());
        const BattleOutcome outcome = play_.PlayOn(limit).outcome;
        const Standing left = HitPointsLeft(play_.Battle(), team1);
        double value = 0.5 + 0.5 * (left.own - left.enemy); // undecided at the horizon
        if (outcome != BattleOutcome::Undecided) {
            value = (outcome == BattleOutcome::Victory) == team1 ? 1.0 : 0.0;
        }
        weighed.wins += value;
        weighed.score += value + kMargin * (left.own - left.enemy);
        ++weighed.playouts;
    }
}

PlannedOrder Planner::Decide(const BattleSnapshot& from, uint64_t seed) {
    std::vector<Weighed> field;
    for (const PlannedOrder& order : Candidates(from)) {
        field.push_back({order});
    }
    const bool team1 = from.fighters[static_cast<std::size_t>(from.waiting)].team == 1;
    if (field.size() == 1) {
        return field.front().order; // no enemy left: nothing to weigh
    }

    // Rounds of playouts on the same dice for every order still in; after each the
    // better half stays, until two are left for a last round twice as long.
    int32_t played = 0;
    const int32_t first =
        std::max(budget_.leastPerOrder, budget_.firstRound / static_cast<int32_t>(field.size()));
    int32_t round = first;
    for (;;) {
        for (Weighed& w : field) {
            PlayOut(from, seed, played, round, team1, w);
        }
        played += round;
        // Ties keep the earlier order, so the choice never depends on the sort.
        std::stable_sort(field.begin(), field.end(),
                         [](const Weighed& a, const Weighed& b) { return a.score > b.score; });
        if (field.size() <= 2 && round > first) {
            break;
        }
        field.resize(std::max<std::size_t>(2, (field.size() + 1) / 2));
        if (field.size() == 2) {
            round = 2 * first;
        }
    }
    PlannedOrder best = field.front().order;
    best.winChance = field.front().wins / field.front().playouts;
    return best;
}

void Planner::DecideIn(BattleState& battle) {
    const uint64_t seed = static_cast<uint64_t>(Random::Next());
    Decide(BattleSnapshot::Capture(battle, false), seed).Give(battle, false);
}
