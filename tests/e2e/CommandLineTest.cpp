#include "engine/Version.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

// Usage errors go to the terminal with status 2, not to a window and a message box. The
// commands run on the shipped folder with one mistake in a fighter file: check exits with
// 1, and simulate plays thousands of battles cleanly (under ASan and UBSan too, in the
// sanitizer build's run).
TEST(CommandLine, EachRunEndsWithItsStatusAndOutput) {
    // A run of the real program: its exit status and how its output and errors start (an
    // empty start: nothing at all).
    struct Command {
        std::vector<std::string> arguments;
        int status;
        std::string out, err;
    };
    const Command commands[] = {
        {{"--version"}, 0, std::string("vornak ") + kVornakVersion + "\n", ""},
        {{"--help"}, 0, "Usage: vornak [COMMAND] [ARGUMENTS]\n", ""},
        {{"chekc"}, 2, "", "vornak: unknown command 'chekc'\n"},
        {{"check", "--jsn"}, 2, "", "vornak check: unexpected '--jsn'\n"},
        {{"check", "no-such-folder"}, 2, "", "vornak check: cannot open the folder"},
        {{"simulate", "--battles", "0"}, 2, "", "vornak simulate: --battles takes a whole"},
        {{"simulate", "--format", "xml"}, 2, "", "vornak simulate: --format takes text, json"},
        {{"simulate", "--turns"}, 2, "", "vornak simulate: --turns needs a value\n"},
        {{"generate", "--difficulty", "mild"}, 2, "", "vornak generate: --difficulty takes easy"},
        {{"generate", "new", "--seed", "7"}, 0, "new: \"", ""},
        {{"--battle", "nowhere"}, 0, "", "Could not open battles/nowhere/battle.cfg\n"},
        {{"simulate", "--team1", "robot"}, 2, "", "vornak simulate: --team1 takes rule or planner"},
        {{"simulate", "--battles", "4", "--team2", "planner"},
         0,
         "4 battles, seed 1, turn limit 500, team 1 rule, team 2 planner\n",
         ""},
        {{"check"}, 1, "NPCs/fighter3.cfg:3: error: \"speed=5\"", ""},
        {{"check", ".", "--json"},
         1,
         "[\n  {\"path\": \"NPCs/fighter3.cfg\", \"line\": 3,",
         "checked 94 files: 1 error, 0 warnings\n"},
        {{"simulate", "--battles", "3000", "--jobs", "2", "--format", "csv"},
         0,
         "file,name,team,kills,damage_dealt,damage_taken,survival_rate\n"
         "NPCs/fighter1.cfg,Aldric,1,",
         ""},
    };
    TempDir dir; // a copy: reading the fighters appends to the folder's run log
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("NPCs/fighter3.cfg", "speed = 5", "speed=5");
    const auto starts = [](const std::string& text, const std::string& start) {
        return start.empty() ? text.empty() : text.rfind(start, 0) == 0;
    };
    for (const Command& run : commands) {
        // The one run that opens the window before it fails.
        std::vector<std::string> environment;
        if (run.arguments[0] == "--battle") {
            environment.push_back(GameProcess::kFullLeakStacks);
        }
        GameProcess program(dir.path(), run.arguments, environment);
        ASSERT_TRUE(program.Wait(120.0)) << run.arguments.back();
        EXPECT_EQ(program.ExitCode(), run.status) << run.arguments.back();
        EXPECT_TRUE(starts(program.StandardOutput(), run.out)) << program.StandardOutput();
        EXPECT_TRUE(starts(program.StandardError(), run.err)) << program.StandardError();
    }
}
