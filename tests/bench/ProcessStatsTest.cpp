#include "bench/ProcessStats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

using namespace ProcessStats;

// Fields 3 to 15 of a stat line after the name, with utime and stime as given.
static std::string StatTail(const std::string& utime, const std::string& stime) {
    return " S 1 1234 1234 0 -1 4194560 5000 0 0 0 " + utime + " " + stime + " 0 0 20 0 1 0";
}

// A program may call itself anything; counting from the first ')' or splitting on blanks
// from the start would read the wrong fields.
TEST(ProcessStatsTest, CpuTicksAreUserPlusSystemCountedFromTheLastParenthesis) {
    uint64_t ticks = 99;
    EXPECT_FALSE(ParseCpuTicks("12 vornak S 1 2", ticks));           // no name in parentheses
    EXPECT_FALSE(ParseCpuTicks("12 (vornak) S 1 1234 1234", ticks)); // cut short
    EXPECT_FALSE(ParseCpuTicks("12 (vornak)" + StatTail("12x", "3"), ticks));
    EXPECT_EQ(ticks, 99u); // untouched on failure
    ASSERT_TRUE(ParseCpuTicks("77 (odd) name 1 2 3)" + StatTail("250", "40"), ticks));
    EXPECT_EQ(ticks, 290u);
    EXPECT_TRUE(ReadCpuTicks(getpid(), ticks));
}

TEST(ProcessStatsTest, HighWaterMarkIsTheResidentPeakInKilobytesOnly) {
    uint64_t kilobytes = 5;
    EXPECT_FALSE(ParseHighWaterKb("Name:\tvornak\nVmRSS:\t 100 kB\n", kilobytes));
    EXPECT_FALSE(ParseHighWaterKb("VmHWM:\t 100 MB\n", kilobytes));
    EXPECT_EQ(kilobytes, 5u);
    ASSERT_TRUE(ParseHighWaterKb("VmPeak:\t  300000 kB\nVmHWM:\t  102428 kB\n", kilobytes));
    EXPECT_EQ(kilobytes, 102428u);
    ASSERT_TRUE(ReadHighWaterKb(getpid(), kilobytes));
    EXPECT_GT(kilobytes, 0u);
}

// Pictures as X returns them: 32-bit pixels 0x00RRGGBB, rows padded (here 5 pixels in 24
// bytes). Padding and the spare top byte are not colour; the last pixel is still looked at.
TEST(ProcessStatsTest, LitPixelsAreFoundPastThePadding) {
    const int width = 5, height = 3, bytesPerLine = 24;
    std::vector<char> bytes(bytesPerLine * height, 0);
    auto set = [&](int x, int y, uint32_t pixel) {
        std::memcpy(&bytes[y * bytesPerLine + x * 4], &pixel, 4);
    };
    auto lit = [&] { return AnyPixelLit(bytes.data(), width, height, bytesPerLine, 0x00ffffff); };
    for (int y = 0; y < height; ++y) {
        std::memset(&bytes[y * bytesPerLine + width * 4], 0xff, bytesPerLine - width * 4);
    }
    set(2, 1, 0xff000000);
    EXPECT_FALSE(lit());
    set(width - 1, height - 1, 0x00000100); // the faintest green
    EXPECT_TRUE(lit());
}
