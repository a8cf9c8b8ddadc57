#include "engine/RunLog.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(RunLog, StampsRightAlignedInFiveColumns) {
    EXPECT_EQ(RunLog::FormatLine(7, "bpp = 32"), "    7: bpp = 32\n");
    EXPECT_EQ(RunLog::FormatLine(120, "h_res = 800"), "  120: h_res = 800\n");
    EXPECT_EQ(RunLog::FormatLine(123456, "x"), "123456: x\n");
    EXPECT_EQ(RunLog::FormatLine(0, ""), "    0: \n");
}

TEST(RunLog, AppendsAcrossRuns) {
    TempDir dir;
    ScopedClock clock(5);
    dir.Write("runlog.txt", "   10: from an earlier run\n");
    RunLog::Write("first");
    clock.now = 99999;
    RunLog::Write("");
    EXPECT_EQ(dir.Read("runlog.txt"), "   10: from an earlier run\n    5: first\n99999: \n");
}

TEST(RunLog, AnUnwritableLogLosesTheLineQuietly) {
    TempDir dir;
    // A folder in the log's place cannot be opened for appending, even by root.
    ASSERT_EQ(mkdir("runlog.txt", 0755), 0);
    EXPECT_NO_THROW(RunLog::Write("lost"));
}
