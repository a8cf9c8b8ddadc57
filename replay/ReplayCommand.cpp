#include "replay/ReplayCommand.h"

#include "battle/BattleState.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayViewer.h"

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

const char kHelp[] =
    "Usage: vornak replay [--verify] FILE\n"
    "\n"
    "Shows the battle recorded in FILE (the game writes one to replays/ for every battle\n"
    "that ends) in the window at its own pace: Space pauses, Right doubles the speed up to\n"
    "8x, Left halves it, Q or closing the window ends it.\n"
    "\n"
    "  --verify   play it headless with the game's rules and print \"replay matches: Victory\n"
    "             after N turns\" (or Defeat), exit 0; or name the first phase that went\n"
    "             another way, exit 1\n";

} // namespace

int RunReplayCommand(const std::vector<std::string>& arguments) {
    bool verify = false;
    std::string path;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::printf("%s", kHelp);
            return 0;
        }
        if (argument == "--verify") {
            verify = true;
        } else if (argument.rfind("-", 0) == 0 || !path.empty()) {
            std::fprintf(stderr, "vornak replay: unexpected '%s'\nTry 'vornak replay --help'.\n",
                         argument.c_str());
            return kUsageError;
        } else {
            path = argument;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "vornak replay: which replay?\nTry 'vornak replay --help'.\n");
        return kUsageError;
    }
    Recording recording;
    std::string reason;
    if (!ReplayFile::Load(path, recording, reason)) {
        std::fprintf(stderr, "vornak replay: %s cannot be played: %s\n", path.c_str(),
                     reason.c_str());
        return 1;
    }
    if (!verify) {
        return ReplayViewer::Show(recording);
    }
    BattleState battle;
    std::string verdict;
    const bool matches = ReplayPlayer::Verify(recording, battle, verdict);
    std::printf("replay %s%s\n", matches ? "matches: " : "went another way ", verdict.c_str());
    return matches ? 0 : 1;
}
