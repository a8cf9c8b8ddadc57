#include "insight/BattleCounts.h"

#include "battle/Fighter.h"

#include <algorithm>
#include <tuple>

namespace {
auto Fields(const FighterCounts& c) {
    return std::tie(c.kills, c.dealt, c.taken, c.attacks, c.hits);
}
} // namespace

FighterCounts& FighterCounts::operator+=(const FighterCounts& other) {
    kills += other.kills;
    dealt += other.dealt;
    taken += other.taken;
    attacks += other.attacks;
    hits += other.hits;
    return *this;
}

bool FighterCounts::operator==(const FighterCounts& other) const {
    return Fields(*this) == Fields(other);
}

FighterCounts& BattleCounts::Of(const FighterList& list, const Fighter& fighter) {
    std::size_t place = 0;
    while (place + 1 < list.size() && list[place].get() != &fighter) {
        ++place;
    }
    if (fighters.size() < list.size()) {
        fighters.resize(list.size());
    }
    return fighters[place];
}

void BattleCounts::Attack(const FighterList& list, const Fighter& attacker, bool hit) {
    FighterCounts& counts = Of(list, attacker);
    ++counts.attacks;
    counts.hits += hit;
}

void BattleCounts::Hit(const FighterList& list, const Fighter& attacker, const Fighter& victim,
                       int32_t lost, bool killed) {
    Of(list, attacker).dealt += lost;
    Of(list, victim).taken += lost;
    Of(list, attacker).kills += killed;
}

FighterCounts BattleCounts::At(std::size_t place) const {
    return place < fighters.size() ? fighters[place] : FighterCounts{};
}

bool BattleCounts::operator==(const BattleCounts& other) const {
    // A fighter never counted equals one counted at zero.
    const std::size_t size = std::max(fighters.size(), other.fighters.size());
    for (std::size_t i = 0; i < size; ++i) {
        if (!(At(i) == other.At(i))) {
            return false;
        }
    }
    return true;
}
