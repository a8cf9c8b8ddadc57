#include "tests/support/TempDir.h"

#include "platform/PathResolver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TempDir::TempDir()
    : path_((fs::temp_directory_path() / "vornak-test-XXXXXX").string()),
      previous_(fs::current_path()) {
    if (!mkdtemp(path_.data())) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    fs::current_path(path_);
    PathResolver::ClearCache();
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
    PathResolver::ClearCache();
}

void TempDir::Write(const std::string& relative, const std::string& contents) const {
    const fs::path file = fs::path(path_) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
}

void TempDir::CopyFrom(const std::string& folder) const {
    fs::copy(folder, path_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void TempDir::Edit(const std::string& relative, const std::string& from,
                   const std::string& to) const {
    if (from == kGone) {
        EXPECT_TRUE(fs::remove(fs::path(path_) / relative)) << relative << " is not there";
        return;
    }
    std::string text = from.empty() ? to : Read(relative);
    EXPECT_TRUE(from.empty() || text.find(from) != std::string::npos) << relative << ": " << from;
    for (std::size_t at = 0; !from.empty() && (at = text.find(from, at)) != std::string::npos;
         at += to.size()) {
        text.replace(at, from.size(), to);
    }
    Write(relative, text);
}
