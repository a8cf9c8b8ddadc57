#pragma once

#include <string>
#include <vector>

// Runs the real vornak executable in a chosen working directory, with standard output and
// error captured, and makes sure it never outlives the test.
class GameProcess {
public:
    // Extra environments for a test run: no sound device and no error box. `Quiet` keeps
    // an ASan build's leak check on the game's own code (the X and GL libraries' leaks are
    // suppressed); `QuietDrawing` turns it off for runs that draw, because the GL driver is
    // unloaded before the check can name its allocations (valgrind covers those runs).
    static std::vector<std::string> Quiet();
    static std::vector<std::string> QuietDrawing();

    // Starts the game (the built one unless `program` names another, such as an installed
    // copy); `environment` entries ("NAME=value") are added to ours, `arguments` follow the
    // program's name.
    GameProcess(const std::string& workingDirectory, std::vector<std::string> environment = {},
                const std::vector<std::string>& arguments = {},
                const std::string& program = VORNAK_BINARY);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits up to `seconds` for the game to end. False when it is still running.
    bool Wait(double seconds);
    bool Running();
    // Exit code, or 128 + signal number when a signal ended it; -1 while running.
    int ExitCode() const { return exitCode_; }
    std::string StandardError() const;
    std::string StandardOutput() const;
    int Pid() const { return pid_; }

private:
    int pid_ = -1;
    int exitCode_ = -1;
    std::string stderrPath_;
    std::string stdoutPath_;
};
