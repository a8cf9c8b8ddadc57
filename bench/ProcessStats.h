#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

// Readings of another process from outside, for the probe: processor time and peak
// memory from /proc, and whether a captured window shows anything yet.
namespace ProcessStats {

// utime + stime, in clock ticks, from the one line of /proc/<pid>/stat. The command name
// in parentheses may itself hold spaces and parentheses, so fields are counted from the
// last ')'.
bool ParseCpuTicks(const std::string& statLine, uint64_t& ticks);

// VmHWM (peak resident memory) in kB from the text of /proc/<pid>/status.
bool ParseHighWaterKb(const std::string& status, uint64_t& kilobytes);

bool ReadCpuTicks(pid_t pid, uint64_t& ticks);
// The same for the process's threads named `name` (their comm), added up; 0 when none.
bool ReadThreadCpuTicks(pid_t pid, const std::string& name, uint64_t& ticks);
bool ReadHighWaterKb(pid_t pid, uint64_t& kilobytes);

// True when any 32-bit pixel of the picture has a bit of `colourMask` set. Rows are
// `bytesPerLine` apart (X pads them); padding and the pixel's spare byte are ignored.
bool AnyPixelLit(const char* data, int width, int height, int bytesPerLine, uint32_t colourMask);

} // namespace ProcessStats
