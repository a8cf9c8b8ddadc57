// The probe against the bare window on the X display: the figures `make bench` prints
// must come out, and a program that never draws must be reported, not waited on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/wait.h>

namespace {

// The probe's exit code (-1 if it did not exit) and its key=value figures.
int RunProbe(const std::string& arguments, std::map<std::string, double>& figures) {
    const std::string command = std::string(VORNAK_PROBE) + " " + arguments + " 2>/dev/null";
    FILE* output = popen(command.c_str(), "r");
    char line[256];
    while (output && std::fgets(line, sizeof line, output)) {
        if (const char* equals = std::strchr(line, '=')) {
            figures[std::string(line, equals - line)] = std::atof(equals + 1);
        }
    }
    const int status = output ? pclose(output) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ProbeRunTest, TheBareWindowsFrameIsMeasuredAndAWindowlessProgramFails) {
    if (!std::getenv("DISPLAY")) {
        GTEST_SKIP() << "needs an X display";
    }
    std::map<std::string, double> figures;
    ASSERT_EQ(RunProbe("--settle 0.2 --cpu 0.5 -- " + std::string(VORNAK_BARE_WINDOW), figures), 0);
    ASSERT_EQ(figures.count("startup_ms"), 1u);
    EXPECT_GT(figures["startup_ms"], 0.0);
    EXPECT_GE(figures["startup_ms"], figures["mapped_ms"]); // drawn no earlier than seen
    EXPECT_GT(figures["peak_kb"], 1000.0);
    EXPECT_EQ(figures.count("cpu_percent"), 1u);

    figures.clear();
    EXPECT_EQ(RunProbe("--settle 0 -- /bin/true", figures), 1);
    EXPECT_EQ(figures.count("startup_ms"), 0u);
    EXPECT_EQ(RunProbe("--settle 1", figures), 2); // no program: a usage error
}
