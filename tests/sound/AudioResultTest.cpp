#include "sound/AudioResult.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// A start-up failure shows only the sentence, so two codes sharing one would hide which
// step failed; a gap in the table would show nothing at all.
TEST(AudioResultText, EachCodeHasItsOwnSentenceAndOthersAreUnknown) {
    std::set<std::string> seen;
    for (int code = 0; code < AudioResultCount; ++code) {
        ASSERT_NE(AudioResultText(code), nullptr) << "code " << code;
        const std::string sentence = AudioResultText(code);
        EXPECT_EQ(sentence.empty() ? ' ' : sentence.back(), '.') << "code " << code;
        EXPECT_NE(sentence, "Unknown error.") << "code " << code;
        EXPECT_TRUE(seen.insert(sentence).second) << "code " << code << " repeats " << sentence;
    }
    EXPECT_STREQ(AudioResultText(AudioOk), "No errors.");
    for (int code : {-1, static_cast<int>(AudioResultCount), AudioResultCount + 1, 1 << 30}) {
        EXPECT_STREQ(AudioResultText(code), "Unknown error.") << "code " << code;
    }
}
