#include "bench/ProcessStats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

using ProcessStats::AnyPixelLit;
using ProcessStats::ParseCpuTicks;
using ProcessStats::ParseHighWaterKb;

namespace {

// Fields 3 to 15 of a stat line after the name, with utime and stime as given.
std::string StatTail(const std::string& utime, const std::string& stime) {
    return " S 1 1234 1234 0 -1 4194560 5000 0 0 0 " + utime + " " + stime + " 0 0 20 0 1 0";
}

} // namespace

TEST(ProcessStatsTest, CpuTicksAreUserPlusSystemTime) {
    uint64_t ticks = 0;
    ASSERT_TRUE(ParseCpuTicks("4321 (vornak)" + StatTail("250", "40"), ticks));
    EXPECT_EQ(ticks, 290u);
}

TEST(ProcessStatsTest, CpuTicksCountFieldsFromTheLastParenthesis) {
    // A program may call itself anything; counting from the first ')' or splitting on
    // blanks from the start would read the wrong fields here.
    uint64_t ticks = 0;
    ASSERT_TRUE(ParseCpuTicks("77 (odd) name 1 2 3)" + StatTail("7", "5"), ticks));
    EXPECT_EQ(ticks, 12u);
}

TEST(ProcessStatsTest, CpuTicksRejectBrokenLines) {
    uint64_t ticks = 99;
    EXPECT_FALSE(ParseCpuTicks("", ticks));
    EXPECT_FALSE(ParseCpuTicks("12 vornak S 1 2", ticks));           // no name in parentheses
    EXPECT_FALSE(ParseCpuTicks("12 (vornak) S 1 1234 1234", ticks)); // cut short
    EXPECT_FALSE(ParseCpuTicks("12 (vornak)" + StatTail("12x", "3"), ticks));
    EXPECT_EQ(ticks, 99u); // untouched on failure
}

TEST(ProcessStatsTest, HighWaterMarkIsFoundAmongTheStatusLines) {
    const std::string status = "Name:\tvornak\nVmPeak:\t  300000 kB\nVmSize:\t  280000 kB\n"
                               "VmHWM:\t  102428 kB\nVmRSS:\t  101000 kB\n";
    uint64_t kilobytes = 0;
    ASSERT_TRUE(ParseHighWaterKb(status, kilobytes));
    EXPECT_EQ(kilobytes, 102428u); // not the virtual peak above it
}

TEST(ProcessStatsTest, HighWaterMarkMissingOrInOtherUnitsIsNotGuessed) {
    uint64_t kilobytes = 5;
    EXPECT_FALSE(ParseHighWaterKb("Name:\tvornak\nVmRSS:\t 100 kB\n", kilobytes));
    EXPECT_FALSE(ParseHighWaterKb("VmHWM:\t 100 MB\n", kilobytes));
    EXPECT_EQ(kilobytes, 5u);
}

TEST(ProcessStatsTest, ReadsThisProcess) {
    uint64_t ticks = 0;
    uint64_t kilobytes = 0;
    EXPECT_TRUE(ProcessStats::ReadCpuTicks(getpid(), ticks));
    ASSERT_TRUE(ProcessStats::ReadHighWaterKb(getpid(), kilobytes));
    EXPECT_GT(kilobytes, 0u); // a running test program has touched some memory
}

TEST(ProcessStatsTest, ReadingAProcessThatIsGoneFails) {
    uint64_t ticks = 0;
    uint64_t kilobytes = 0;
    // Above the kernel's largest possible pid.
    EXPECT_FALSE(ProcessStats::ReadCpuTicks(4194305 + 1000, ticks));
    EXPECT_FALSE(ProcessStats::ReadHighWaterKb(4194305 + 1000, kilobytes));
}

// Pictures as X returns them: 32-bit pixels 0x00RRGGBB, rows padded to `bytesPerLine`.
class LitPixelTest : public ::testing::Test {
protected:
    static constexpr uint32_t kRgb = 0x00ffffff;
    static constexpr int kWidth = 5, kHeight = 3, kBytesPerLine = 24; // 4 bytes of padding

    LitPixelTest() : bytes(kBytesPerLine * kHeight, 0) {}

    void Set(int x, int y, uint32_t pixel) {
        std::memcpy(&bytes[y * kBytesPerLine + x * 4], &pixel, 4);
    }
    bool Lit() const { return AnyPixelLit(bytes.data(), kWidth, kHeight, kBytesPerLine, kRgb); }

    std::vector<char> bytes;
};

TEST_F(LitPixelTest, AllBlackIsNotLit) {
    EXPECT_FALSE(Lit());
}

TEST_F(LitPixelTest, OneDimPixelInTheLastCornerIsLit) {
    Set(kWidth - 1, kHeight - 1, 0x00000100); // the faintest green
    EXPECT_TRUE(Lit());
}

TEST_F(LitPixelTest, PaddingAndTheSpareByteDoNotCount) {
    // Garbage where X pads rows, and an alpha-like top byte on a black pixel: still black.
    for (int y = 0; y < kHeight; ++y) {
        for (int b = kWidth * 4; b < kBytesPerLine; ++b) {
            bytes[y * kBytesPerLine + b] = static_cast<char>(0xff);
        }
    }
    Set(2, 1, 0xff000000);
    EXPECT_FALSE(Lit());
}
