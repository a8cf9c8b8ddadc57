#include "generate/GenerateCommand.h"

#include "generate/BattleGenerator.h"
#include "platform/Clock.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kUsageError = 2;

const char kHelp[] =
    "Usage: vornak generate DIR [--seed S] [--difficulty easy|normal|hard]\n"
    "\n"
    "Writes a new battle folder DIR (battle.cfg and NPCs/fighter1.cfg ... fighter8.cfg):\n"
    "a title and a line, eight fighters and a ground, tuned with the simulator so that\n"
    "team 1 wins about 70 % (easy), 50 % (normal, the default) or 30 % (hard) under the\n"
    "computer's rule. The same seed and difficulty give the same files; without --seed\n"
    "the seed comes from the clock and is printed.\n";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vornak generate: %s\nTry 'vornak generate --help'.\n", problem.c_str());
    return kUsageError;
}

} // namespace

int RunGenerateCommand(const std::vector<std::string>& arguments) {
    std::string folder;
    uint64_t seed = Clock::SystemMilliseconds();
    auto difficulty = BattleGenerator::Difficulty::Normal;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            std::printf("%s", kHelp);
            return 0;
        }
        if (argument == "--seed" || argument == "--difficulty") {
            if (i + 1 == arguments.size()) {
                return Usage(argument + " needs a value");
            }
            const std::string& value = arguments[++i];
            errno = 0;
            char* end = nullptr;
            if (argument == "--seed") {
                seed = std::strtoull(value.c_str(), &end, 10);
                if (value.empty() || *end != '\0' || errno != 0 || value[0] == '-') {
                    return Usage("--seed takes a whole number from 0 up, not '" + value + "'");
                }
            } else if (!BattleGenerator::ParseDifficulty(value, difficulty)) {
                return Usage("--difficulty takes easy, normal or hard, not '" + value + "'");
            }
        } else if (argument.rfind("-", 0) == 0 || !folder.empty()) {
            return Usage("unexpected '" + argument + "'");
        } else {
            folder = argument;
        }
    }
    if (folder.empty()) {
        return Usage("no folder to write the battle into");
    }

    const BattleGenerator::Battle battle = BattleGenerator::Make(seed, difficulty);
    std::string problem;
    if (!BattleGenerator::Write(battle, folder, problem)) {
        std::fprintf(stderr, "vornak generate: %s\n", problem.c_str());
        return 1;
    }
    std::printf("%s: \"%s\", %s, seed %" PRIu64 ": team 1 won %.1f %% of %" PRId64 " battles\n",
                folder.c_str(), battle.title.c_str(),
                BattleGenerator::kDifficulties[static_cast<int>(difficulty)], seed,
                100.0 * battle.winRate, battle.measured);
    return 0;
}
