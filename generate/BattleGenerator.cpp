#include "generate/BattleGenerator.h"

#include "generate/TuningCandidate.h"

#include "rules/ComputerDecision.h"
#include "rules/Orders.h"
#include "scenarios/BattleFolder.h"
#include "simulate/BattleRandom.h"
#include "simulate/HeadlessBattle.h"
#include "sound/SoundSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

constexpr int64_t kProbe = 100; // battles per probe of the search
constexpr int64_t kWalk = 400;  // battles per step, walking to the steps around the aim
constexpr int64_t kLook = 100;  // battles of the first look at every candidate
// Rounds of the choice: the reference is played to this many battles, the candidates left
// are judged against it, and this many of the closest played as far.
constexpr std::pair<int64_t, std::size_t> kRounds[] = {{400, 4}, {1500, 2}, {3000, 1}};
constexpr int32_t kLadder = 64; // handicap steps each way
constexpr float kApart = 26.0f; // least distance between two starting places

const char* const kFirst[] = {"Al",  "Bran", "Cor", "Dag", "Ed",  "Fen", "Gor", "Hal",
                              "Ir",  "Jor",  "Kel", "Lor", "Mor", "Nes", "Or",  "Per",
                              "Rod", "Sel",  "Tor", "Ul",  "Var", "Wen", "Yr",  "Zan"};
const char* const kSecond[] = {"a",   "ric", "na", "win", "gar", "mir",
                               "dis", "eth", "ok", "ra",  "us",  "wyn"};
const char* const kPlaces[] = {"Ford",     "Ridge", "Hollow", "Pass",  "Field",
                               "Crossing", "Mound", "Gate",   "Marsh", "Cairn"};
const char* const kPlaceNames[] = {"Kelm", "Ashfen", "Dornhal", "Vesk", "Morrow",
                                   "Tarn", "Hesk",   "Ulver",   "Brae", "Corsa"};

class Draws {
public:
    Draws(uint64_t seed, uint64_t stream) { random_.Reseed(seed, stream); }
    int32_t Between(int32_t low, int32_t high) { // inclusive
        return low + random_.Next() % (high - low + 1);
    }
    template <typename T, std::size_t N> const T& Of(const T (&list)[N]) {
        return list[Between(0, static_cast<int32_t>(N) - 1)];
    }

private:
    BattleRandom random_;
};

// Where each side starts: a box of the field for each team.
struct Box {
    int32_t left, top, right, bottom;
};
struct Layout {
    Box team1, team2;
    const char* line;
};
const Layout kLayouts[] = {
    {{16, 16, 80, 232}, {176, 16, 240, 232}, "two lines face each other across the field"},
    {{16, 16, 232, 72}, {16, 176, 232, 240}, "north against south"},
    {{16, 16, 104, 104}, {136, 136, 240, 240}, "corner against corner"},
    {{96, 96, 160, 160}, {16, 16, 240, 240}, "surrounded in the middle of the field"},
};

bool Clear(const std::vector<Fighter>& placed, float x, float y) {
    for (const Fighter& other : placed) {
        if (Distance(other.x, other.y, x, y) < kApart) {
            return false;
        }
    }
    return true;
}

void Place(Draws& draws, Fighter& fighter, const Box& box, std::vector<Fighter>& placed) {
    do {
        fighter.x = static_cast<float>(draws.Between(box.left, box.right));
        fighter.y = static_cast<float>(draws.Between(box.top, box.bottom));
    } while (!Clear(placed, fighter.x, fighter.y));
    placed.push_back(fighter);
}

std::string NewName(Draws& draws, std::vector<std::string>& names) {
    std::string name;
    do {
        name = std::string(draws.Of(kFirst)) + draws.Of(kSecond);
    } while (std::find(names.begin(), names.end(), name) != names.end());
    names.push_back(name);
    return name;
}

int32_t Nudged(Draws& draws, int32_t value, int32_t low, int32_t high) {
    return std::max(low, std::min(high, value + draws.Between(-1, 1)));
}

// Team 1 drawn freely; the other side the same kinds of fighter in another order, each a
// little different, so that the handicap starts from a battle near even.
std::vector<Fighter> DrawFighters(Draws& draws, const Layout& layout) {
    std::vector<Fighter> fighters, placed;
    std::vector<std::string> names;
    for (int n = 0; n < 4; ++n) {
        Fighter fighter;
        fighter.team = 1;
        fighter.speed = draws.Between(3, 9);
        fighter.health = draws.Between(4, 9);
        const int32_t best = draws.Between(6, 10), other = draws.Between(2, best - 1);
        const bool archer = draws.Between(0, 2) == 0;
        fighter.missileSkill = archer ? best : other;
        fighter.meleeSkill = archer ? other : best;
        fighters.push_back(fighter);
    }
    const int32_t turn = draws.Between(1, 3);
    for (int n = 0; n < 4; ++n) {
        Fighter fighter = fighters[static_cast<std::size_t>((n + turn) % 4)];
        fighter.team = 2;
        fighter.speed = Nudged(draws, fighter.speed, 1, 12);
        fighter.health = Nudged(draws, fighter.health, 1, 12);
        fighter.meleeSkill = Nudged(draws, fighter.meleeSkill, 1, 12);
        fighter.missileSkill = Nudged(draws, fighter.missileSkill, 1, 12);
        fighters.push_back(fighter);
    }
    for (std::size_t n = 0; n < fighters.size(); ++n) {
        fighters[n].name = NewName(draws, names);
        Place(draws, fighters[n], n < 4 ? layout.team1 : layout.team2, placed);
        fighters[n].hitPoints = fighters[n].maxHitPoints = fighters[n].health * 3;
    }
    return fighters;
}

// Step k of the handicap: k > 0 gives team 1 k more health in all, one at a time round
// its fighters; k < 0 gives the other team as much.
std::vector<Fighter> Handicapped(const std::vector<Fighter>& base, int32_t k) {
    std::vector<Fighter> fighters = base;
    const std::size_t first = k > 0 ? 0 : kComputerCandidates;
    for (int32_t step = 0; step < std::abs(k); ++step) {
        Fighter& fighter = fighters[first + static_cast<std::size_t>(step) % kComputerCandidates];
        ++fighter.health;
        fighter.hitPoints = fighter.maxHitPoints = fighter.health * 3;
    }
    return fighters;
}

// Battles between two steps of the handicap, either way from one: a point of health moved
// from one fighter to another of the same side. Its effect is the difference of what two
// fighters are worth, often small, as fighters matter unequally.
std::vector<std::vector<Fighter>> Transfers(const std::vector<Fighter>& fighters) {
    std::vector<std::vector<Fighter>> moved;
    for (std::size_t to = 0; to < fighters.size(); ++to) {
        for (std::size_t from = 0; from < fighters.size(); ++from) {
            if (from == to || (from < kComputerCandidates) != (to < kComputerCandidates) ||
                fighters[from].health <= 1 || fighters[to].health >= 12) {
                continue;
            }
            std::vector<Fighter>& changed = moved.emplace_back(fighters);
            for (const std::size_t i : {from, to}) {
                changed[i].health += i == to ? 1 : -1;
                changed[i].hitPoints = changed[i].maxHitPoints = changed[i].health * 3;
            }
        }
    }
    return moved;
}

} // namespace

bool BattleGenerator::ParseDifficulty(const std::string& text, Difficulty& difficulty) {
    for (int i = 0; i < 3; ++i) {
        if (text == kDifficulties[i]) {
            difficulty = static_cast<Difficulty>(i);
            return true;
        }
    }
    return false;
}

int64_t BattleGenerator::Team1Wins(const std::vector<Fighter>& fighters, int64_t from, int64_t to) {
    HeadlessBattle battle(fighters);
    int64_t wins = 0;
    for (int64_t i = from; i < to; ++i) {
        wins += TuningCandidate::Team1Won(battle, i) ? 1 : 0;
    }
    return wins;
}

BattleGenerator::Battle BattleGenerator::Make(uint64_t seed, Difficulty difficulty,
                                              int64_t effort) {
    const auto scaled = [effort](int64_t battles) { return battles * effort / 100; };
    const int64_t probe = scaled(kProbe);
    Draws draws(seed, static_cast<uint64_t>(difficulty));
    const Layout& layout = draws.Of(kLayouts);
    const std::vector<Fighter> base = DrawFighters(draws, layout);

    // The win rate rises with k: find the first step at or over the aim, on few battles.
    const double aim = kAims[static_cast<int>(difficulty)];
    int64_t played = 0;
    int32_t low = -kLadder, high = kLadder;
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        played += probe;
        if (Team1Wins(Handicapped(base, middle), 0, probe) >= aim * probe) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    // Few battles can put the search a step or two off: on more of the same battles, walk
    // to the two neighbouring steps that have the aim between them.
    std::map<int32_t, TuningCandidate> steps;
    const auto step = [&](int32_t k) -> TuningCandidate& {
        TuningCandidate& candidate = steps[k];
        if (candidate.won.empty()) {
            candidate.fighters = Handicapped(base, k);
            played += candidate.PlayTo(scaled(kWalk));
        }
        return candidate;
    };
    int32_t below = low;
    while (below > -kLadder && step(below).Rate() >= aim) {
        --below;
    }
    while (below + 1 < kLadder && step(below + 1).Rate() < aim) {
        ++below;
    }
    // The nearer of the two is the reference; the other and the changes of the nearer
    // are the candidates.
    const bool belowNearer = aim - step(below).Rate() < step(below + 1).Rate() - aim;
    TuningCandidate reference = step(belowNearer ? below : below + 1);
    std::vector<TuningCandidate> pool{step(belowNearer ? below + 1 : below)};
    for (std::vector<Fighter>& changed : Transfers(reference.fighters)) {
        pool.emplace_back(std::move(changed));
    }
    // All are looked at briefly; then, round by round, the reference is played further,
    // which shows how far its first battles were off, and the candidates closest to the
    // aim by their difference from it are played as far.
    for (TuningCandidate& candidate : pool) {
        played += candidate.PlayTo(scaled(kLook));
    }
    const auto off = [&](const TuningCandidate& candidate) {
        return std::fabs(candidate.Estimate(reference) - aim);
    };
    const auto closer = [&](const TuningCandidate& a, const TuningCandidate& b) {
        return off(a) < off(b);
    };
    for (const auto& [battles, kept] : kRounds) {
        played += reference.PlayTo(scaled(battles));
        std::stable_sort(pool.begin(), pool.end(), closer);
        pool.resize(std::min(pool.size(), kept));
        for (TuningCandidate& candidate : pool) {
            played += candidate.PlayTo(scaled(battles));
        }
    }
    pool.push_back(reference);
    std::stable_sort(pool.begin(), pool.end(), closer);

    Battle battle;
    battle.fighters = pool[0].fighters;
    battle.winRate = pool[0].Rate();
    battle.measured = pool[0].Played();
    battle.played = played;
    battle.ground = draws.Of(BattleFolder::kGrounds);
    battle.title = std::string("The ") + draws.Of(kPlaces) + " of " + draws.Of(kPlaceNames);
    battle.about = std::string("Made for you (") + kDifficulties[static_cast<int>(difficulty)] +
                   ", seed " + std::to_string(seed) + "): " + layout.line;
    return battle;
}

std::string BattleGenerator::FighterText(const Fighter& fighter) {
    const auto line = [](const char* key, int32_t value) {
        return std::string(key) + " = " + std::to_string(value) + "\n";
    };
    return "name = " + fighter.name + "\n" + line("team", fighter.team) +
           line("speed", fighter.speed) + line("health", fighter.health) +
           line("meleeskill", fighter.meleeSkill) + line("missileskill", fighter.missileSkill) +
           line("posx", static_cast<int32_t>(fighter.x)) +
           line("posy", static_cast<int32_t>(fighter.y));
}

bool BattleGenerator::Write(const Battle& battle, const std::string& folder, std::string& problem) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(fs::path(folder) / "NPCs", error);
    const auto write = [&](const fs::path& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            problem = "cannot write " + path.string();
            return false;
        }
        return true;
    };
    if (!write(fs::path(folder) / "battle.cfg", "title = " + battle.title +
                                                    "\nabout = " + battle.about +
                                                    "\nground = " + battle.ground + "\n")) {
        return false;
    }
    for (std::size_t i = 0; i < battle.fighters.size(); ++i) {
        const fs::path file =
            fs::path(folder) / "NPCs" / ("fighter" + std::to_string(i + 1) + ".cfg");
        if (!write(file, FighterText(battle.fighters[i]))) {
            return false;
        }
    }
    return true;
}
