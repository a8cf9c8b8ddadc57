#include "engine/CommandLine.h"

#include "check/CheckCommand.h"
#include "engine/Program.h"
#include "engine/Version.h"
#include "generate/GenerateCommand.h"
#include "replay/ReplayCommand.h"
#include "scenarios/BattleCatalog.h"
#include "simulate/SimulateCommand.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

struct Command {
    const char* name;
    const char* summary; // its lines in --help
    int (*run)(const std::vector<std::string>& arguments);
};

const Command kCommands[] = {
    {"check", "  check [DIR]     name every mistake in the game's files by file and line\n",
     RunCheckCommand},
    {"simulate",
     "  simulate [DIR]  play computer-only battles headless and say who wins how often\n",
     RunSimulateCommand},
    {"replay",
     "  replay [--verify] FILE\n"
     "                  watch a recorded battle, or check that it still plays the same\n",
     RunReplayCommand},
    {"generate",
     "  generate DIR    write a new battle folder, tuned to a difficulty with the simulator\n",
     RunGenerateCommand},
};

void PrintHelp() {
    std::printf("Usage: vornak [COMMAND] [ARGUMENTS]\n"
                "\n"
                "With no command, starts the game in the current folder; installed, in the\n"
                "player's own folder, ${XDG_DATA_HOME:-~/.local/share}/vornak.\n"
                "\n"
                "Commands (each takes --help):\n");
    for (const Command& command : kCommands) {
        std::printf("%s", command.summary);
    }
    std::printf("\n"
                "Options:\n"
                "  --battle NAME   start the battle battles/NAME (or the battle folder at a path)\n"
                "  --help          show this and exit\n"
                "  --version       print the version and exit\n");
}

} // namespace

int RunCommandLine(int argc, char** argv) {
    if (argc <= 1) {
        return RunProgram();
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintHelp();
        return 0;
    }
    if (first == "--battle") {
        if (argc != 3) {
            std::fprintf(stderr, "vornak: --battle takes one battle\nTry 'vornak --help'.\n");
            return kUsageError;
        }
        return RunProgram(BattleCatalog::StartingWith(argv[2]));
    }
    if (first == "--version") {
        std::printf("vornak %s\n", kVornakVersion);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (first == command.name) {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::fprintf(stderr, "vornak: unknown command '%s'\nTry 'vornak --help'.\n", first.c_str());
    return kUsageError;
}
