// Whole-file reads size their buffer from the file; what may not have a size to trust.
#include "platform/FileReader.h"
#include "platform/PathResolver.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileReaderSizeTest, AFileLargerThanOneReadComesBackWhole) {
    TempDir dir;
    std::string picture(200000, '\0');
    for (std::size_t i = 0; i < picture.size(); ++i) {
        picture[i] = static_cast<char>(i * 7 % 251);
    }
    dir.Write("images/big.tga", picture);
    PathResolver::ClearCache();

    std::string contents = "left over from before";
    ASSERT_TRUE(FileReader::ReadAll("images\\big.tga", contents));
    EXPECT_EQ(contents, picture);
}

TEST(FileReaderSizeTest, AnEmptyFileReadsAsEmpty) {
    TempDir dir;
    dir.Write("empty.txt", "");
    PathResolver::ClearCache();
    std::string contents = "old";
    ASSERT_TRUE(FileReader::ReadAll("empty.txt", contents));
    EXPECT_EQ(contents, "");
}

TEST(FileReaderSizeTest, AFolderIsNotReadAndDoesNotThrow) {
    // A folder opens like a file but has no trustworthy length; it must fail quietly.
    TempDir dir;
    dir.Write("images/x.tga", "x");
    PathResolver::ClearCache();
    std::string contents;
    EXPECT_NO_THROW(EXPECT_FALSE(FileReader::ReadAll("images", contents)));
}
