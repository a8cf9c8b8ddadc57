#include "generate/TuningCandidate.h"

#include "simulate/HeadlessBattle.h"

#include <algorithm>

int64_t TuningCandidate::WinsIn(int64_t battles) const {
    return std::count(won.begin(), won.begin() + battles, true);
}

double TuningCandidate::Rate() const {
    return static_cast<double>(WinsIn(Played())) / static_cast<double>(Played());
}

int64_t TuningCandidate::PlayTo(int64_t battles) {
    const int64_t first = Played();
    HeadlessBattle battle(fighters);
    for (int64_t i = first; i < battles; ++i) {
        won.push_back(Team1Won(battle, i));
    }
    return std::max<int64_t>(0, battles - first);
}

bool TuningCandidate::Team1Won(HeadlessBattle& battle, int64_t index) {
    return battle.Play(1, static_cast<uint64_t>(index), kTurnLimit).winner == BattleWinner::Team1;
}

double TuningCandidate::Estimate(const TuningCandidate& reference) const {
    const int64_t n = Played();
    if (reference.Played() <= n) {
        return Rate();
    }
    return reference.Rate() +
           static_cast<double>(WinsIn(n) - reference.WinsIn(n)) / static_cast<double>(n);
}
