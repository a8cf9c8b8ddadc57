#include "simulate/HeadlessBattle.h"

HeadlessBattle::HeadlessBattle(const std::vector<Fighter>& fighters) : tallies_(fighters.size()) {
    start_.fighters = fighters;
    for (Fighter& fighter : start_.fighters) {
        fighter.settings.clear();
        fighter.target = nullptr;
    }
    start_.targets.assign(fighters.size(), -1);
}

BattleResult HeadlessBattle::Play(uint64_t seed, uint64_t index, int32_t turnLimit) {
    const ForwardPlay::Result played = play_.Play(start_, seed, index, turnLimit);
    BattleResult result;
    result.turns = played.turns;
    result.winner = played.outcome == BattleOutcome::Victory  ? BattleWinner::Team1
                    : played.outcome == BattleOutcome::Defeat ? BattleWinner::Others
                                                              : BattleWinner::Draw;
    const BattleState& record = play_.Battle();
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
        tallies_[i] += record.counts.At(i);
        tallies_[i].survived += !record.fighters[i]->dead;
    }
    return result;
}
