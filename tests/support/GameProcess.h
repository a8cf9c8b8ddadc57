#pragma once

#include "tests/support/TempDir.h"

#include <functional>
#include <string>
#include <vector>

// Asks `done` every 50 ms until it holds or `seconds` have passed; whether it held.
bool Eventually(double seconds, const std::function<bool()>& done);

// Runs the real vornak executable in a chosen working directory, with standard output and
// error captured, and makes sure it never outlives the test.
class GameProcess {
public:
    // For runs that draw: an ASan build's leak check cannot name the GL driver's
    // allocations once the driver is unloaded (valgrind covers those runs). Other runs keep
    // it on the game's own code, with the X and GL libraries' leaks suppressed.
    static constexpr const char* kNoLeakCheck = "ASAN_OPTIONS=detect_leaks=0";
    // For a run that opens the window and fails soon after: the leak check still knows the
    // GL driver's leaks for its own.
    static constexpr const char* kFullLeakStacks = "VORNAK_TEST_FULL_STACKS=1";

    // Starts the game (the built one unless `program` names another, such as an installed
    // copy) with no sound device and no error box; `environment` entries ("NAME=value")
    // come on top.
    GameProcess(const std::string& workingDirectory, const std::vector<std::string>& arguments = {},
                std::vector<std::string> environment = {},
                const std::string& program = VORNAK_BINARY);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits up to `seconds` for the game to end. False when it is still running.
    bool Wait(double seconds) {
        return Eventually(seconds, [this] { return !Running(); });
    }
    bool Running();
    // Exit code, or 128 + signal number when a signal ended it; -1 while running.
    int ExitCode() const { return exitCode_; }
    std::string StandardOutput() const { return ReadFile(outputPaths_[0]); }
    std::string StandardError() const { return ReadFile(outputPaths_[1]); }
    int Pid() const { return pid_; }

private:
    int pid_ = -1;
    int exitCode_ = -1;
    std::string outputPaths_[2]; // standard output, standard error
};
