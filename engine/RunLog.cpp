#include "engine/RunLog.h"

#include "platform/Clock.h"
#include "platform/PathResolver.h"

#include <cstdio>

std::string RunLog::FormatLine(uint32_t ticks, const std::string& message) {
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%5u: ", static_cast<unsigned>(ticks));
    return stamp + message + "\n";
}

void RunLog::Write(std::string message) {
    const std::string line = FormatLine(Clock::Ticks(), message);
    std::FILE* file = std::fopen(PathResolver::Resolve("runlog.txt").c_str(), "a");
    if (!file) {
        return;
    }
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}
