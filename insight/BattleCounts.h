#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class Fighter;

// What one fighter did: in one battle, or summed over many.
struct FighterCounts {
    int64_t kills = 0;
    int64_t dealt = 0; // hit points its hits took away
    int64_t taken = 0;
    int64_t attacks = 0; // rolls of the dice, hit or miss
    int64_t hits = 0;

    FighterCounts& operator+=(const FighterCounts& other);
    bool operator==(const FighterCounts& other) const;
};

// The one way of counting a battle, kept by the game's battle and by the simulator alike:
// the rules tell it of every attack rolled and every hit that lands. Fighters are counted
// by their place in the battle's list, which is fixed for the whole battle.
class BattleCounts {
public:
    using FighterList = std::vector<std::unique_ptr<Fighter>>;

    std::vector<FighterCounts> fighters; // grows to the list's size as fighters are counted

    void Attack(const FighterList& list, const Fighter& attacker, bool hit);
    // `lost`: the hit points the victim actually lost; `killed`: this hit ended it.
    void Hit(const FighterList& list, const Fighter& attacker, const Fighter& victim, int32_t lost,
             bool killed);

    // The counts of the fighter at `place`, zero for one never counted.
    FighterCounts At(std::size_t place) const;

    bool operator==(const BattleCounts& other) const;
    bool operator!=(const BattleCounts& other) const { return !(*this == other); }

private:
    FighterCounts& Of(const FighterList& list, const Fighter& fighter);
};
