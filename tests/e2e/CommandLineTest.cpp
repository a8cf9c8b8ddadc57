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

Outcome RunVornak(const std::vector<std::string>& arguments) {
    TempDir dir;
    GameProcess program(dir.path(), GameProcess::Quiet(), arguments);
    EXPECT_TRUE(program.Wait(20.0));
    return {program.ExitCode(), program.StandardOutput(), program.StandardError()};
}

} // namespace

TEST(CommandLine, VersionHelpAndWrongCommands) {
    const Outcome version = RunVornak({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("vornak ") + kVornakVersion + "\n");

    const Outcome help = RunVornak({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: vornak"), std::string::npos);
    EXPECT_NE(help.out.find("--version"), std::string::npos);

    // Not a window and a message box: a usage error on the terminal, status 2.
    const Outcome wrong = RunVornak({"chekc"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("unknown command 'chekc'"), std::string::npos);
}
