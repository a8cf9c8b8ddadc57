#include "simulate/SimulateCommand.h"

#include "battle/Fighter.h"
#include "battle/GameFiles.h"
#include "engine/GameError.h"
#include "platform/GameFolder.h"
#include "platform/PathResolver.h"
#include "simulate/Simulation.h"
#include "simulate/SimulationReport.h"
#include "sound/SoundSystem.h"

#include <SDL.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr int kUsageError = 2;

const char kHelp[] =
    "Usage: vornak simulate [DIR] [OPTIONS]\n"
    "\n"
    "Plays computer-only battles headless with the game's rules, from the fighter files in\n"
    "DIR (default: %s), and prints who wins how often. Team 1 is played by the computer's\n"
    "rule too, turned against the fighters outside team 1.\n"
    "\n"
    "  --battles N    battles to play (default 1000)\n"
    "  --seed S       battle i depends only on S and i (default 1)\n"
    "  --jobs J       threads; the output is the same for any J (default: the cores, %u)\n"
    "  --turns T      a battle still undecided after T turns is a draw (default 500)\n"
    "  --format F     text, json or csv (default text)\n"
    "  --team1 P      who decides for team 1: rule (the computer's, default) or planner\n"
    "  --team2 P      the same for the fighters outside team 1\n";

enum class Format { Text, Json, Csv };

struct Request {
    std::string folder = GameFolder::Default();
    SimulationOptions options;
    Format format = Format::Text;
    bool help = false;
};

unsigned Cores() {
    return std::max(1u, std::thread::hardware_concurrency());
}

// A whole number from `lowest` to `highest`, written in decimal and nothing else.
bool ParseWhole(const std::string& text, uint64_t lowest, uint64_t highest, uint64_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 && value >= lowest && value <= highest;
}

// The options that take a whole number; the highest values keep each in its field.
struct WholeOption {
    const char* name;
    uint64_t lowest, highest;
    const char* range;
    void (*set)(SimulationOptions& options, uint64_t value);
};
const WholeOption kWholeOptions[] = {
    {"--battles", 1, INT64_MAX, "from 1 up",
     [](SimulationOptions& o, uint64_t v) { o.battles = static_cast<int64_t>(v); }},
    {"--seed", 0, UINT64_MAX, "from 0 up", [](SimulationOptions& o, uint64_t v) { o.seed = v; }},
    {"--jobs", 1, 1024, "from 1 to 1024",
     [](SimulationOptions& o, uint64_t v) { o.jobs = static_cast<int32_t>(v); }},
    {"--turns", 1, INT32_MAX, "from 1 to 2147483647",
     [](SimulationOptions& o, uint64_t v) { o.turnLimit = static_cast<int32_t>(v); }},
};

const WholeOption* FindWholeOption(const std::string& name) {
    for (const WholeOption& option : kWholeOptions) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// Fills `request`, or says what is wrong with the command line.
bool Parse(const std::vector<std::string>& arguments, Request& request, std::string& problem) {
    request.options.jobs = static_cast<int32_t>(Cores());
    bool folderGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        if (option == "--help" || option == "-h") {
            request.help = true;
            return true;
        }
        if (option.rfind("--", 0) != 0) {
            if (folderGiven) {
                problem = "more than one folder: '" + option + "'";
                return false;
            }
            request.folder = option;
            folderGiven = true;
            continue;
        }
        std::string value;
        const std::size_t equals = option.find('=');
        if (equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            problem = option + " needs a value";
            return false;
        }

        if (const WholeOption* whole = FindWholeOption(option)) {
            uint64_t number = 0;
            if (!ParseWhole(value, whole->lowest, whole->highest, number)) {
                problem =
                    option + " takes a whole number " + whole->range + ", not '" + value + "'";
                return false;
            }
            whole->set(request.options, number);
        } else if (option == "--format") {
            if (value == "text") {
                request.format = Format::Text;
            } else if (value == "json") {
                request.format = Format::Json;
            } else if (value == "csv") {
                request.format = Format::Csv;
            } else {
                problem = "--format takes text, json or csv, not '" + value + "'";
                return false;
            }
        } else if (option == "--team1" || option == "--team2") {
            if (value != "rule" && value != "planner") {
                problem = option + " takes rule or planner, not '" + value + "'";
                return false;
            }
            (option == "--team1" ? request.options.team1Plans : request.options.othersPlan) =
                value == "planner";
        } else {
            problem = "unknown option '" + option + "'";
            return false;
        }
    }
    return true;
}

// "[#########...........]  4500 / 10000" on one line of standard error, redrawn in place.
void DrawProgress(int64_t done, int64_t total) {
    constexpr int kWidth = 30;
    const int filled = total > 0 ? static_cast<int>(done * kWidth / total) : kWidth;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r[%s] %" PRId64 " / %" PRId64, bar.c_str(), done, total);
    if (done >= total) {
        std::fprintf(stderr, "\r%*s\r", kWidth + 40, "");
    }
    std::fflush(stderr);
}

// The eight fighters as the game loads them; throws the game's own GameError.
std::vector<Fighter> LoadFighters(SimulationReport& report) {
    std::vector<Fighter> fighters;
    for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
        Fighter fighter;
        fighter.Init(GameFiles::FighterFile(n));
        fighter.settings.clear(); // nothing reads it after loading; copies stay cheap
        report.fighters.push_back(
            {PathResolver::Resolve(GameFiles::FighterFile(n)), fighter.name, fighter.team});
        fighters.push_back(fighter);
    }
    return fighters;
}

int Simulate(const Request& request) {
    GameFolder folder(request.folder);
    if (!folder.Entered()) {
        std::fprintf(stderr, "vornak simulate: cannot open the folder '%s'\n",
                     request.folder.c_str());
        return kUsageError;
    }

    SimulationReport report;
    report.options = request.options;
    std::vector<Fighter> fighters;
    try {
        fighters = LoadFighters(report);
    } catch (const GameError& error) {
        std::fprintf(stderr, "vornak simulate: %s\n(vornak check names every mistake)\n",
                     error.what());
        return 1;
    }
    bool team1 = false, others = false;
    report.othersTeam = INT32_MAX;
    for (const Fighter& fighter : fighters) {
        (fighter.team == 1 ? team1 : others) = true;
        if (fighter.team != 1) {
            report.othersTeam = std::min(report.othersTeam, fighter.team);
        }
    }
    if (!team1 || !others) {
        std::fprintf(stderr, "vornak simulate: %s, so every battle is over before it starts\n",
                     team1 ? "every fighter is on team 1" : "no fighter is on team 1");
        return 1;
    }

    // The rules play their sounds through gSound; one never started plays nothing.
    SoundSystem silence;
    SoundSystem* const previousSound = gSound;
    gSound = &silence;
    std::function<void(int64_t)> progress;
    if (::isatty(STDERR_FILENO)) {
        progress = [&](int64_t done) { DrawProgress(done, request.options.battles); };
    }
    report.totals = Simulation::Run(fighters, request.options, progress);
    gSound = previousSound;

    const std::string out = request.format == Format::Json  ? report.Json()
                            : request.format == Format::Csv ? report.Csv()
                                                            : report.Text();
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace

int RunSimulateCommand(const std::vector<std::string>& arguments) {
    Request request;
    std::string problem;
    if (!Parse(arguments, request, problem)) {
        std::fprintf(stderr, "vornak simulate: %s\nTry 'vornak simulate --help'.\n",
                     problem.c_str());
        return kUsageError;
    }
    if (request.help) {
        std::printf(kHelp, GameFolder::Default().c_str(), Cores());
        return 0;
    }
    // Started as the game starts it, so that the run log's times count from here.
    SDL_Init(SDL_INIT_NOPARACHUTE);
    const int status = Simulate(request);
    SDL_Quit();
    return status;
}
