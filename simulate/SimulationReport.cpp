#include "simulate/SimulationReport.h"

#include "engine/JsonText.h"
#include "engine/TextFormat.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kZ95 = 1.959963984540054;

double Share(int64_t part, int64_t whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

// One side's line of numbers, in every format.
struct SideFigures {
    int32_t team;
    int64_t wins;
    double rate, low, high;
};

std::vector<SideFigures> Sides(const SimulationReport& report) {
    std::vector<SideFigures> sides;
    for (const auto& [team, wins] : {std::pair{1, report.totals.team1Wins},
                                     std::pair{report.othersTeam, report.totals.othersWins}}) {
        SideFigures side{team, wins, Share(wins, report.totals.battles), 0.0, 0.0};
        SimulationReport::WilsonInterval(wins, report.totals.battles, side.low, side.high);
        sides.push_back(side);
    }
    return sides;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

void SimulationReport::WilsonInterval(int64_t wins, int64_t battles, double& low, double& high) {
    if (battles <= 0) {
        low = 0.0;
        high = 1.0;
        return;
    }
    const double n = static_cast<double>(battles);
    const double p = static_cast<double>(wins) / n;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2.0 * n)) / (1.0 + z2 / n);
    const double half = kZ95 / (1.0 + z2 / n) * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n));
    low = std::max(0.0, centre - half);
    high = std::min(1.0, centre + half);
}

std::string SimulationReport::Text() const {
    const int64_t n = totals.battles;
    std::string out = Format("%" PRId64 " battles, seed %" PRIu64 ", turn limit %d", n,
                             options.seed, options.turnLimit);
    if (options.team1Plans || options.othersPlan) {
        const auto who = [](bool plans) { return plans ? "planner" : "rule"; };
        out += Format(", team 1 %s, team %d %s", who(options.team1Plans), othersTeam,
                      who(options.othersPlan));
    }
    out += "\n\n";
    out += "Side      Wins  Win rate  95 % interval\n";
    for (const SideFigures& side : Sides(*this)) {
        out += Format("Team %-3d %5" PRId64 "  %6.1f %%  %5.1f - %5.1f %%\n", side.team, side.wins,
                      100.0 * side.rate, 100.0 * side.low, 100.0 * side.high);
    }
    out +=
        Format("Draws    %5" PRId64 "  %6.1f %%\n\n", totals.draws, 100.0 * Share(totals.draws, n));
    out += Format("Turns per battle: mean %.1f, median %.1f\n\n", totals.MeanTurns(),
                  totals.MedianTurns());

    std::size_t fileWidth = 4, nameWidth = 4;
    for (const FighterInfo& fighter : fighters) {
        fileWidth = std::max(fileWidth, fighter.file.size());
        nameWidth = std::max(nameWidth, fighter.name.size());
    }
    const int fw = static_cast<int>(fileWidth), nw = static_cast<int>(nameWidth);
    out += "Per fighter, per battle on average:\n";
    out += Format("%-*s  %-*s  Team  Kills  Damage dealt  Damage taken  Survival\n", fw, "File", nw,
                  "Name");
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const FighterTally& tally = totals.fighters[i];
        out += Format("%-*s  %-*s  %4d  %5.2f  %12.2f  %12.2f  %6.1f %%\n", fw,
                      fighters[i].file.c_str(), nw, fighters[i].name.c_str(), fighters[i].team,
                      Share(tally.kills, n), Share(tally.dealt, n), Share(tally.taken, n),
                      100.0 * Share(tally.survived, n));
    }
    return out;
}

std::string SimulationReport::Json() const {
    const int64_t n = totals.battles;
    std::string out = Format("{\n  \"battles\": %" PRId64 ",\n  \"seed\": %" PRIu64
                             ",\n  \"turn_limit\": %d,\n  \"draws\": %" PRId64 ",\n",
                             n, options.seed, options.turnLimit, totals.draws);
    out += "  \"teams\": [\n";
    const std::vector<SideFigures> sides = Sides(*this);
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const SideFigures& side = sides[i];
        out += Format("    {\"team\": %d, \"wins\": %" PRId64 ", \"win_rate\": %.4f, "
                      "\"win_rate_low\": %.4f, \"win_rate_high\": %.4f}%s\n",
                      side.team, side.wins, side.rate, side.low, side.high,
                      i + 1 < sides.size() ? "," : "");
    }
    out += Format("  ],\n  \"turns\": {\"mean\": %.2f, \"median\": %.1f},\n  \"fighters\": [\n",
                  totals.MeanTurns(), totals.MedianTurns());
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const FighterTally& tally = totals.fighters[i];
        out += "    {\"file\": " + JsonText::Quote(fighters[i].file) +
               ", \"name\": " + JsonText::Quote(fighters[i].name) +
               Format(", \"team\": %d, \"kills\": %.4f, \"damage_dealt\": %.4f, "
                      "\"damage_taken\": %.4f, \"survival_rate\": %.4f}%s\n",
                      fighters[i].team, Share(tally.kills, n), Share(tally.dealt, n),
                      Share(tally.taken, n), Share(tally.survived, n),
                      i + 1 < fighters.size() ? "," : "");
    }
    return out + "  ]\n}\n";
}

std::string SimulationReport::Csv() const {
    const int64_t n = totals.battles;
    std::string out = "file,name,team,kills,damage_dealt,damage_taken,survival_rate\n";
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const FighterTally& tally = totals.fighters[i];
        out += CsvField(fighters[i].file) + "," + CsvField(fighters[i].name) +
               Format(",%d,%.4f,%.4f,%.4f,%.4f\n", fighters[i].team, Share(tally.kills, n),
                      Share(tally.dealt, n), Share(tally.taken, n), Share(tally.survived, n));
    }
    return out;
}
