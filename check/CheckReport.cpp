#include "check/CheckReport.h"

#include "engine/JsonText.h"

#include <algorithm>

namespace {

const char* SeverityWord(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string Counted(int32_t count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

} // namespace

void CheckReport::Name(const std::string& path) {
    if (std::find(fileOrder_.begin(), fileOrder_.end(), path) == fileOrder_.end()) {
        fileOrder_.push_back(path);
    }
}

void CheckReport::FileRead(const std::string& path) {
    Name(path);
    ++filesRead_;
}

void CheckReport::Error(const std::string& path, int32_t line, const std::string& message) {
    Name(path);
    findings_.push_back({path, line, Severity::Error, message});
}

void CheckReport::Warning(const std::string& path, int32_t line, const std::string& message) {
    Error(path, line, message);
    findings_.back().severity = Severity::Warning;
}

std::vector<Finding> CheckReport::Findings() const {
    std::vector<Finding> sorted = findings_;
    const auto place = [this](const Finding& finding) {
        return std::find(fileOrder_.begin(), fileOrder_.end(), finding.path) - fileOrder_.begin();
    };
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Finding& a, const Finding& b) {
        return place(a) != place(b) ? place(a) < place(b) : a.line < b.line;
    });
    return sorted;
}

int32_t CheckReport::Errors() const {
    return static_cast<int32_t>(std::count_if(
        findings_.begin(), findings_.end(), [](auto& f) { return f.severity == Severity::Error; }));
}

int32_t CheckReport::Warnings() const {
    return static_cast<int32_t>(findings_.size()) - Errors();
}

std::string CheckReport::Text() const {
    std::string out;
    for (const Finding& finding : Findings()) {
        out += finding.path + ":";
        if (finding.line > 0) {
            out += std::to_string(finding.line) + ":";
        }
        out += std::string(" ") + SeverityWord(finding.severity) + ": " + finding.message + "\n";
    }
    return out;
}

std::string CheckReport::Json() const {
    std::string out = "[";
    const char* separator = "\n";
    for (const Finding& finding : Findings()) {
        out += separator;
        out += "  {\"path\": " + JsonText::Quote(finding.path) +
               ", \"line\": " + (finding.line > 0 ? std::to_string(finding.line) : "null") +
               ", \"severity\": \"" + SeverityWord(finding.severity) +
               "\", \"message\": " + JsonText::Quote(finding.message) + "}";
        separator = ",\n";
    }
    return out + (findings_.empty() ? "]\n" : "\n]\n");
}

std::string CheckReport::Summary() const {
    return "checked " + Counted(filesRead_, "file") + ": " + Counted(Errors(), "error") + ", " +
           Counted(Warnings(), "warning") + "\n";
}
