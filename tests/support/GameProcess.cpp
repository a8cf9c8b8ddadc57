#include "tests/support/GameProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

std::vector<std::string> GameProcess::Quiet() {
    return {"SDL_AUDIODRIVER=dummy", "VORNAK_NO_ERROR_BOX=1",
            "LSAN_OPTIONS=suppressions=" VORNAK_SOURCE_DIR
            "/tests/support/lsan.supp:print_suppressions=0"};
}

std::vector<std::string> GameProcess::QuietDrawing() {
    return {"SDL_AUDIODRIVER=dummy", "VORNAK_NO_ERROR_BOX=1", "ASAN_OPTIONS=detect_leaks=0"};
}

GameProcess::GameProcess(const std::string& workingDirectory,
                         std::vector<std::string> environment) {
    char pattern[] = "/tmp/vornak-stderr-XXXXXX";
    const int stderrFile = mkstemp(pattern);
    stderrPath_ = pattern;

    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(workingDirectory.c_str()) != 0) {
            _exit(127);
        }
        dup2(stderrFile, STDERR_FILENO);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        execl(VORNAK_BINARY, VORNAK_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(stderrFile);
}

GameProcess::~GameProcess() {
    if (Running()) {
        kill(pid_, SIGKILL);
        Wait(10.0);
    }
    unlink(stderrPath_.c_str());
}

bool GameProcess::Running() {
    if (exitCode_ != -1 || pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

bool GameProcess::Wait(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (Running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string GameProcess::StandardError() const {
    std::ifstream in(stderrPath_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
