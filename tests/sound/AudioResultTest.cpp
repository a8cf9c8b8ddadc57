#include "sound/AudioResult.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Every code in the table has its own sentence: a start-up failure shows nothing else, so
// two codes sharing a text would hide which step failed.
TEST(AudioResultText, EachCodeHasItsOwnSentence) {
    std::set<std::string> seen;
    for (int code = 0; code < AudioResultCount; ++code) {
        const char* text = AudioResultText(code);
        ASSERT_NE(text, nullptr) << "code " << code;
        const std::string sentence = text;
        EXPECT_FALSE(sentence.empty()) << "code " << code;
        EXPECT_EQ(sentence.back(), '.') << "code " << code;
        EXPECT_NE(sentence, "Unknown error.") << "code " << code;
        EXPECT_TRUE(seen.insert(sentence).second) << "code " << code << " repeats " << sentence;
    }
    EXPECT_STREQ(AudioResultText(AudioOk), "No errors.");
    EXPECT_STREQ(AudioResultText(AudioDeviceFailed), "No sound device could be opened.");
}

TEST(AudioResultText, CodesOutsideTheTableAreUnknown) {
    EXPECT_STREQ(AudioResultText(AudioResultCount), "Unknown error.");
    EXPECT_STREQ(AudioResultText(AudioResultCount + 1), "Unknown error.");
    EXPECT_STREQ(AudioResultText(-1), "Unknown error.");
    EXPECT_STREQ(AudioResultText(1 << 30), "Unknown error.");
}
