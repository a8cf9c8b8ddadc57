#include "simulate/HeadlessBattle.h"

HeadlessBattle::HeadlessBattle(const std::vector<Fighter>& fighters) : tallies_(fighters.size()) {
    start_.fighters = fighters;
    for (Fighter& fighter : start_.fighters) {
        fighter.settings.clear();
        fighter.target = nullptr;
    }
    start_.targets.assign(fighters.size(), -1);
    play_.Battle().onHit = [this](const Fighter& attacker, const Fighter& victim, int32_t lost,
                                  bool killed) {
        tallies_[IndexOf(attacker)].damageDealt += lost;
        tallies_[IndexOf(victim)].damageTaken += lost;
        if (killed) {
            ++tallies_[IndexOf(attacker)].kills;
        }
    };
}

std::size_t HeadlessBattle::IndexOf(const Fighter& fighter) const {
    std::size_t i = 0;
    while (play_.Battle().fighters[i].get() != &fighter) {
        ++i;
    }
    return i;
}

BattleResult HeadlessBattle::Play(uint64_t seed, uint64_t index, int32_t turnLimit) {
    const ForwardPlay::Result played = play_.Play(start_, seed, index, turnLimit);
    BattleResult result;
    result.turns = played.turns;
    result.winner = played.outcome == BattleOutcome::Victory  ? BattleWinner::Team1
                    : played.outcome == BattleOutcome::Defeat ? BattleWinner::Others
                                                              : BattleWinner::Draw;
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
        if (!play_.Battle().fighters[i]->dead) {
            ++tallies_[i].survived;
        }
    }
    return result;
}
