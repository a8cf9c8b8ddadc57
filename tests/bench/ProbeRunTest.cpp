// The probe against the bare window on the X display: the figures `make bench` prints
// must come out, and a program that never draws must be reported, not waited on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/wait.h>

namespace {

struct ProbeResult {
    int exitCode = -1;
    std::map<std::string, double> figures;
};

ProbeResult RunProbe(const std::string& arguments) {
    ProbeResult result;
    const std::string command = std::string(VORNAK_PROBE) + " " + arguments + " 2>/dev/null";
    FILE* output = popen(command.c_str(), "r");
    if (!output) {
        return result;
    }
    char line[256];
    while (std::fgets(line, sizeof line, output)) {
        const std::string text(line);
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos) {
            result.figures[text.substr(0, equals)] = std::atof(text.c_str() + equals + 1);
        }
    }
    const int status = pclose(output);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace

TEST(ProbeRunTest, TheBareWindowsFrameIsSeenAndMeasured) {
    if (!std::getenv("DISPLAY")) {
        GTEST_SKIP() << "needs an X display";
    }
    const ProbeResult result =
        RunProbe("--settle 0.2 --cpu 0.5 -- " + std::string(VORNAK_BARE_WINDOW));
    ASSERT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.figures.count("startup_ms"), 1u);
    EXPECT_GT(result.figures.at("startup_ms"), 0.0);
    // Drawn no earlier than it could be seen.
    EXPECT_GE(result.figures.at("startup_ms"), result.figures.at("mapped_ms"));
    EXPECT_GT(result.figures.at("peak_kb"), 1000.0);
    EXPECT_EQ(result.figures.count("cpu_percent"), 1u);
}

TEST(ProbeRunTest, AProgramThatEndsWithoutDrawingIsAFailure) {
    if (!std::getenv("DISPLAY")) {
        GTEST_SKIP() << "needs an X display";
    }
    const ProbeResult result = RunProbe("--settle 0 -- /bin/true");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.figures.count("startup_ms"), 0u);
}

TEST(ProbeRunTest, MissingProgramIsAUsageError) {
    EXPECT_EQ(RunProbe("--settle 1").exitCode, 2);
    EXPECT_EQ(RunProbe("--bogus 1 -- /bin/true").exitCode, 2);
}
