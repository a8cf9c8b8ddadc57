#include "tests/support/GameProcess.h"

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

namespace {

int TemporaryFile(std::string& path) {
    char pattern[] = "/tmp/vornak-output-XXXXXX";
    const int file = mkstemp(pattern);
    path = pattern;
    return file;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

GameProcess::GameProcess(const std::string& workingDirectory, std::vector<std::string> environment,
                         const std::vector<std::string>& arguments, const std::string& program) {
    const int stderrFile = TemporaryFile(stderrPath_);
    const int stdoutFile = TemporaryFile(stdoutPath_);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(workingDirectory.c_str()) != 0) {
            _exit(127);
        }
        dup2(stderrFile, STDERR_FILENO);
        dup2(stdoutFile, STDOUT_FILENO);
        for (const std::string& entry : environment) {
            putenv(const_cast<char*>(entry.c_str()));
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(stderrFile);
    close(stdoutFile);
}

GameProcess::~GameProcess() {
    if (Running()) {
        kill(pid_, SIGKILL);
        Wait(10.0);
    }
    unlink(stderrPath_.c_str());
    unlink(stdoutPath_.c_str());
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
    return ReadFile(stderrPath_);
}

std::string GameProcess::StandardOutput() const {
    return ReadFile(stdoutPath_);
}
