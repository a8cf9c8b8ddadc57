#include "engine/CommandLine.h"

#include "engine/Program.h"
#include "engine/Version.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kUsageError = 2;

void PrintHelp() {
    std::printf("Usage: vornak [COMMAND] [ARGUMENTS]\n"
                "\n"
                "With no command, starts the game in the current folder.\n"
                "\n"
                "Options:\n"
                "  --help      show this and exit\n"
                "  --version   print the version and exit\n");
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
    if (first == "--version") {
        std::printf("vornak %s\n", kVornakVersion);
        return 0;
    }
    std::fprintf(stderr, "vornak: unknown command '%s'\nTry 'vornak --help'.\n", first.c_str());
    return kUsageError;
}
