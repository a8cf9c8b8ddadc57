#include "engine/Version.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

// The real program with these arguments, in a fresh folder unless one is given.
Outcome RunVornak(const std::vector<std::string>& arguments, const std::string& folder = "") {
    TempDir dir;
    GameProcess program(folder.empty() ? dir.path() : folder, GameProcess::Quiet(), arguments);
    EXPECT_TRUE(program.Wait(120.0));
    return {program.ExitCode(), program.StandardOutput(), program.StandardError()};
}

bool Has(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

} // namespace

TEST(CommandLine, VersionHelpAndWrongCommands) {
    const Outcome version = RunVornak({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("vornak ") + kVornakVersion + "\n");

    const Outcome help = RunVornak({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* listed : {"Usage: vornak", "check [DIR]", "simulate [DIR]", "--version"}) {
        EXPECT_TRUE(Has(help.out, listed)) << listed;
    }

    // Not a window and a message box: a usage error on the terminal, status 2.
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"chekc"},
                                                  {"check", "--jsn"},
                                                  {"check", "a", "b"},
                                                  {"simulate", "--battles", "0"},
                                                  {"simulate", "--format", "xml"},
                                                  {"simulate", "--turns"},
                                                  {"check", "no-such-folder"}}) {
        const Outcome outcome = RunVornak(wrong);
        EXPECT_EQ(outcome.exitCode, 2) << wrong.back();
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err, "");
    }
}

TEST(CommandLine, CheckSaysHowManyFilesAndExitsOneOnAnError) {
    // On a copy: reading the fighters appends to the folder's run log.
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    EXPECT_EQ(RunVornak({"check", dir.path()}).out, "checked 19 files: 0 errors, 0 warnings\n");

    dir.Write("NPCs/fighter3.cfg", "name = Corwin\nteam = 1\nspeed=5\n");
    const Outcome text = RunVornak({"check"}, dir.path());
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(Has(text.out, "NPCs/fighter3.cfg:3: error: \"speed=5\"")) << text.out;
    EXPECT_TRUE(Has(text.out, "\nchecked 19 files: 6 errors, 0 warnings\n")) << text.out;

    // JSON alone on standard output, the summary beside it.
    const Outcome json = RunVornak({"check", dir.path(), "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out.rfind("[\n  {\"path\": \"NPCs/fighter3.cfg\", \"line\": null,", 0), 0u)
        << json.out;
    EXPECT_EQ(json.err, "checked 19 files: 6 errors, 0 warnings\n");
}

// Run under ASan and UBSan too, in the sanitizer build's run of the suite.
TEST(CommandLine, SimulateThousandsOfBattlesCleanly) {
    TempDir dir; // loading the fighters appends to the folder's run log
    dir.CopyFrom(VORNAK_GAME_DIR);
    const Outcome run =
        RunVornak({"simulate", "--battles", "3000", "--jobs", "2", "--format", "csv"}, dir.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("file,name,team,kills,damage_dealt,damage_taken,survival_rate\n"
                            "NPCs/fighter1.cfg,Aldric,1,",
                            0),
              0u)
        << run.out;
}
