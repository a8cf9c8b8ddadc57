#include "tests/support/TempDir.h"

#include "platform/PathResolver.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TempDir::TempDir() {
    char cwd[PATH_MAX];
    previous_ = getcwd(cwd, sizeof cwd) ? cwd : ".";
    std::string pattern = (std::filesystem::temp_directory_path() / "vornak-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    path_ = pattern;
    if (chdir(path_.c_str()) != 0) {
        ADD_FAILURE() << "cannot enter " << path_;
    }
    PathResolver::ClearCache();
}

TempDir::~TempDir() {
    if (chdir(previous_.c_str()) != 0) {
        ADD_FAILURE() << "cannot return to " << previous_;
    }
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
    PathResolver::ClearCache();
}

void TempDir::Write(const std::string& relative, const std::string& contents) const {
    const std::filesystem::path file = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
}

std::string TempDir::Read(const std::string& relative) const {
    std::ifstream in(std::filesystem::path(path_) / relative, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void TempDir::CopyFrom(const std::string& folder) const {
    std::filesystem::copy(folder, path_,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}
