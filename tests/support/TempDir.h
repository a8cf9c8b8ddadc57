#pragma once

#include <string>

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// A fresh folder that is the working directory for the life of this object; the old
// working directory comes back and the folder is removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file (creating its folders) relative to the folder; bytes as given.
    void Write(const std::string& relative, const std::string& contents) const;
    std::string Read(const std::string& relative) const { return ReadFile(path_ + "/" + relative); }
    // Copies everything in `folder` (for example the generated game directory) in here.
    void CopyFrom(const std::string& folder) const;
    // Every `from` in the file becomes `to`; with `from` empty the whole file becomes `to`,
    // with kGone the file is deleted. A `from` the file lacks fails the test.
    void Edit(const std::string& relative, const std::string& from, const std::string& to) const;
    static constexpr char kGone[] = "(gone)";

private:
    std::string path_;
    std::string previous_;
};
