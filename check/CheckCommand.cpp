#include "check/CheckCommand.h"

#include "check/CheckReport.h"
#include "check/GameFolderCheck.h"
#include "platform/GameFolder.h"
#include "scenarios/BattleFolderCheck.h"

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

const char kHelp[] =
    "Usage: vornak check [DIR] [--json]\n"
    "\n"
    "Reads every file the game reads from DIR (default: %s) with the game's own readers,\n"
    "every battle folder under battles/ among them, and names each problem as\n"
    "PATH:LINE: error|warning: MESSAGE. DIR may be one battle folder. Ends with a summary.\n"
    "Exit status: 0 with no error (warnings allowed), 1 with any error, 2 for a wrong\n"
    "command line.\n"
    "\n"
    "  --json   the findings as a JSON array of {path, line, severity, message}; the\n"
    "           summary goes to standard error\n";

} // namespace

int RunCheckCommand(const std::vector<std::string>& arguments) {
    std::string folderName = GameFolder::Default();
    bool json = false;
    bool folderGiven = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::printf(kHelp, GameFolder::Default().c_str());
            return 0;
        }
        if (argument == "--json") {
            json = true;
        } else if (argument.rfind("-", 0) == 0 || folderGiven) {
            std::fprintf(stderr, "vornak check: unexpected '%s'\nTry 'vornak check --help'.\n",
                         argument.c_str());
            return kUsageError;
        } else {
            folderName = argument;
            folderGiven = true;
        }
    }

    GameFolder folder(folderName);
    if (!folder.Entered()) {
        std::fprintf(stderr, "vornak check: cannot open the folder '%s'\n", folderName.c_str());
        return kUsageError;
    }
    CheckReport report;
    if (BattleFolderCheck::InBattleFolder()) {
        BattleFolderCheck::Run(report, "", nullptr);
    } else {
        GameFolderCheck::Run(report);
    }

    const std::string findings = json ? report.Json() : report.Text();
    std::fwrite(findings.data(), 1, findings.size(), stdout);
    std::fputs(report.Summary().c_str(), json ? stderr : stdout);
    std::fflush(stdout);
    return report.ExitStatus();
}
