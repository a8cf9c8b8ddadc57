#include "bench/ProcessStats.h"

#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>

namespace ProcessStats {

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream file(path);
    if (!file) {
        return false;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    text = contents.str();
    return true;
}

} // namespace

bool ParseCpuTicks(const std::string& statLine, uint64_t& ticks) {
    const std::size_t close = statLine.rfind(')');
    if (close == std::string::npos) {
        return false;
    }
    // After the name: state is field 3, utime field 14, stime field 15.
    std::istringstream fields(statLine.substr(close + 1));
    std::string field;
    uint64_t utime = 0;
    uint64_t stime = 0;
    for (int number = 3; number <= 15; ++number) {
        if (!(fields >> field)) {
            return false;
        }
        if (number == 14 || number == 15) {
            char* end = nullptr;
            const unsigned long long value = std::strtoull(field.c_str(), &end, 10);
            if (end == field.c_str() || *end != '\0') {
                return false;
            }
            (number == 14 ? utime : stime) = value;
        }
    }
    ticks = utime + stime;
    return true;
}

bool ParseHighWaterKb(const std::string& status, uint64_t& kilobytes) {
    std::istringstream lines(status);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, 6, "VmHWM:") == 0) {
            std::istringstream value(line.substr(6));
            std::string unit;
            uint64_t number = 0;
            if (!(value >> number >> unit) || unit != "kB") {
                return false;
            }
            kilobytes = number;
            return true;
        }
    }
    return false;
}

bool ReadCpuTicks(pid_t pid, uint64_t& ticks) {
    std::string text;
    return ReadText("/proc/" + std::to_string(pid) + "/stat", text) && ParseCpuTicks(text, ticks);
}

bool ReadThreadCpuTicks(pid_t pid, const std::string& name, uint64_t& ticks) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) {
        return false;
    }
    ticks = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string task = tasks + "/" + entry->d_name;
        std::string comm, stat;
        uint64_t own = 0;
        if (entry->d_name[0] != '.' && ReadText(task + "/comm", comm) && comm == name + "\n" &&
            ReadText(task + "/stat", stat) && ParseCpuTicks(stat, own)) {
            ticks += own;
        }
    }
    closedir(dir);
    return true;
}

bool ReadHighWaterKb(pid_t pid, uint64_t& kilobytes) {
    std::string text;
    return ReadText("/proc/" + std::to_string(pid) + "/status", text) &&
           ParseHighWaterKb(text, kilobytes);
}

bool AnyPixelLit(const char* data, int width, int height, int bytesPerLine, uint32_t colourMask) {
    for (int y = 0; y < height; ++y) {
        const char* row = data + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
        for (int x = 0; x < width; ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, row + x * 4, sizeof pixel);
            if (pixel & colourMask) {
                return true;
            }
        }
    }
    return false;
}

} // namespace ProcessStats
