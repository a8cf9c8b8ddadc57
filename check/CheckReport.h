#pragma once

#include "check/Finding.h"

#include <cstdint>
#include <string>
#include <vector>

// The findings of one check of a game folder, kept file by file in the order the files
// were read (or, for one that could not be, named), each file's by line, and written out
// for people or as JSON.
class CheckReport {
public:
    void Error(const std::string& path, int32_t line, const std::string& message);
    void Warning(const std::string& path, int32_t line, const std::string& message);
    void FileRead(const std::string& path);

    std::vector<Finding> Findings() const;
    int32_t Errors() const;
    int32_t Warnings() const;
    int32_t FilesRead() const { return filesRead_; }

    // "data/engine.cfg:3: error: ..." lines.
    std::string Text() const;
    // A JSON array of objects with path, line (null for a whole file), severity, message.
    std::string Json() const;
    // "checked 18 files: 1 error, 2 warnings".
    std::string Summary() const;
    // 0 with no error (warnings allowed), 1 with any.
    int ExitStatus() const { return Errors() > 0 ? 1 : 0; }

private:
    void Name(const std::string& path);

    std::vector<Finding> findings_;
    std::vector<std::string> fileOrder_;
    int32_t filesRead_ = 0;
};
