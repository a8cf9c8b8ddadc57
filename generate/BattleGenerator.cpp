#include "generate/BattleGenerator.h"

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

namespace {

constexpr int32_t kTurnLimit = 500; // the simulator's default
constexpr int64_t kProbe = 150;     // battles per probe of the search
// Rounds of the choice: every candidate left is played up to this many battles, then
// this many of the closest are kept.
constexpr std::pair<int64_t, std::size_t> kRounds[] = {{80, 10}, {250, 4}, {800, 2}, {3000, 1}};
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

// Single changes smaller than a step of the handicap or beside it, all towards team 1
// (`up`) or away from it: each fighter of one side a point better in health, its best
// skill or speed, or each of the other side's a point worse. Fighters matter unequally,
// so the changes fall at many places between two steps.
std::vector<std::vector<Fighter>> Changes(const std::vector<Fighter>& fighters, bool up) {
    std::vector<std::vector<Fighter>> changed;
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const int32_t by = (i < kComputerCandidates) == up ? 1 : -1;
        for (int what = 0; what < 3; ++what) {
            Fighter& fighter = changed.emplace_back(fighters)[i];
            int32_t& value = what == 0                                   ? fighter.health
                             : what == 1                                 ? fighter.speed
                             : fighter.missileSkill > fighter.meleeSkill ? fighter.missileSkill
                                                                         : fighter.meleeSkill;
            value = std::max(1, std::min(12, value + by));
            fighter.hitPoints = fighter.maxHitPoints = fighter.health * 3;
        }
    }
    return changed;
}

struct Candidate {
    std::vector<Fighter> fighters;
    int64_t wins = 0, played = 0;
    double Rate() const { return static_cast<double>(wins) / static_cast<double>(played); }
};

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
    // The rules play sounds; none must reach the player while a battle is being made.
    SoundSystem silence;
    SoundSystem* const previous = gSound;
    gSound = &silence;
    int64_t wins = 0;
    {
        HeadlessBattle battle(fighters);
        for (int64_t i = from; i < to; ++i) {
            wins +=
                battle.Play(1, static_cast<uint64_t>(i), kTurnLimit).winner == BattleWinner::Team1;
        }
    }
    gSound = previous;
    return wins;
}

BattleGenerator::Battle BattleGenerator::Make(uint64_t seed, Difficulty difficulty,
                                              int64_t effort) {
    const auto scaled = [effort](int64_t battles) { return battles * effort / 100; };
    const int64_t probe = scaled(kProbe);
    Draws draws(seed, static_cast<uint64_t>(difficulty));
    const Layout& layout = draws.Of(kLayouts);
    const std::vector<Fighter> base = DrawFighters(draws, layout);

    // The win rate rises with k: find the first step at or over the aim.
    const double aim = kAims[static_cast<int>(difficulty)];
    int32_t low = -kLadder, high = kLadder;
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (Team1Wins(Handicapped(base, middle), 0, probe) >= aim * probe) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    // Between that step and the one below lie the changes up from below and down from
    // above; the steps around them stay in, as a short search can end a step off. All are
    // looked at briefly, the closest to the aim again for longer, and so on down to one,
    // always on the same battles.
    std::vector<Candidate> pool{{Handicapped(base, low)}, {Handicapped(base, low - 1)}};
    for (const int32_t k : {low - 2, low + 1, low + 2}) {
        pool.push_back({Handicapped(base, k)});
    }
    for (const bool up : {true, false}) {
        for (std::vector<Fighter>& changed : Changes(pool[up ? 1 : 0].fighters, up)) {
            pool.push_back({std::move(changed)});
        }
    }
    const auto closer = [aim](const Candidate& a, const Candidate& b) {
        return std::fabs(a.Rate() - aim) < std::fabs(b.Rate() - aim);
    };
    for (const auto& [battles, kept] : kRounds) {
        const int64_t upTo = scaled(battles);
        for (Candidate& candidate : pool) {
            candidate.wins += Team1Wins(candidate.fighters, candidate.played, upTo);
            candidate.played = upTo;
        }
        std::stable_sort(pool.begin(), pool.end(), closer);
        pool.resize(std::min(pool.size(), kept));
    }

    Battle battle;
    battle.fighters = pool[0].fighters;
    battle.winRate = pool[0].Rate();
    battle.measured = pool[0].played;
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
