#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

long gStopAfter = -1;

bool Fail(std::string* error, const std::string& what) {
    if (error != nullptr) {
        *error = what + ": " + std::strerror(errno);
    }
    return false;
}

// A rename is only durable once the folder holding it is flushed too.
void SyncFolder(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string AtomicFile::TemporaryFor(const std::string& path) {
    return path + ".new";
}

void AtomicFile::StopAfterForTesting(long bytes) {
    gStopAfter = bytes;
}

bool AtomicFile::Write(const std::string& path, const std::string& bytes, std::string* error) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, ignored);
    }
    const std::string temporary = TemporaryFor(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return Fail(error, "Could not write " + temporary);
    }
    std::size_t length = bytes.size();
    const long stopAfter = gStopAfter;
    gStopAfter = -1;
    if (stopAfter >= 0 && static_cast<std::size_t>(stopAfter) < length) {
        length = static_cast<std::size_t>(stopAfter);
    }
    std::size_t written = 0;
    while (written < length) {
        const ssize_t n = ::write(fd, bytes.data() + written, length - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const bool failed = Fail(error, "Could not write " + temporary);
            ::close(fd);
            ::unlink(temporary.c_str());
            return failed;
        }
        written += static_cast<std::size_t>(n);
    }
    if (stopAfter >= 0) { // killed here: the temporary stays, the file is untouched
        ::close(fd);
        if (error != nullptr) {
            *error = "stopped for a test";
        }
        return false;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const bool failed = Fail(error, "Could not write " + temporary);
        ::unlink(temporary.c_str());
        return failed;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const bool failed = Fail(error, "Could not replace " + path);
        ::unlink(temporary.c_str());
        return failed;
    }
    SyncFolder(path);
    return true;
}
