#include "tests/support/GameProcess.h"

#include <algorithm>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

bool Eventually(double seconds, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

GameProcess::GameProcess(const std::string& workingDirectory,
                         const std::vector<std::string>& arguments,
                         std::vector<std::string> environment, const std::string& program) {
    int outputs[2];
    for (int i = 0; i < 2; ++i) {
        char pattern[] = "/tmp/vornak-output-XXXXXX";
        outputs[i] = mkstemp(pattern);
        outputPaths_[i] = pattern;
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    // The GL driver is unloaded before the leak check, so only a full stack still names it
    // for the suppressions; unwinding every allocation that way is slow, so only the runs
    // that ask for it pay for it.
    const bool fullStacks =
        std::find(environment.begin(), environment.end(), kFullLeakStacks) != environment.end();
    environment.insert(environment.begin(),
                       {"SDL_AUDIODRIVER=dummy", "VORNAK_NO_ERROR_BOX=1",
                        std::string("LSAN_OPTIONS=suppressions=" VORNAK_SOURCE_DIR
                                    "/tests/support/lsan.supp:print_suppressions=0") +
                            (fullStacks ? ":fast_unwind_on_malloc=0" : "")});

    pid_ = fork();
    if (pid_ == 0) {
        for (std::string& entry : environment) {
            putenv(entry.data());
        }
        if (chdir(workingDirectory.c_str()) == 0 && dup2(outputs[0], STDOUT_FILENO) != -1 &&
            dup2(outputs[1], STDERR_FILENO) != -1) {
            execv(program.c_str(), argv.data());
        }
        _exit(127);
    }
    close(outputs[0]);
    close(outputs[1]);
    if (pid_ < 0) {
        throw std::runtime_error("cannot start " + program);
    }
}

GameProcess::~GameProcess() {
    if (Running()) {
        kill(pid_, SIGKILL);
    }
    Wait(10.0);
    unlink(outputPaths_[0].c_str());
    unlink(outputPaths_[1].c_str());
}

bool GameProcess::Running() {
    int status = 0;
    if (exitCode_ == -1 && waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return exitCode_ == -1;
}
