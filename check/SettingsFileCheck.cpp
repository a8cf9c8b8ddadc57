#include "check/SettingsFileCheck.h"

#include "check/CheckReport.h"
#include "engine/ConfigFile.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

struct SettingsFileCheck::Line {
    int32_t number;
    const std::string& text;
    const std::string& key;
    const std::string& value;
    const Setting& setting;
};

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string NumberText(float number) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(number));
    return text;
}

} // namespace

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

SettingsFileCheck::SettingsFileCheck(CheckReport& report, const std::string& gamePath,
                                     std::vector<KeyRule> rules)
    : report_(report), gamePath_(gamePath), path_(PathResolver::Resolve(gamePath)),
      rules_(std::move(rules)) {}

int32_t SettingsFileCheck::LineOf(const std::string& key) const {
    const auto found = lines_.find(key);
    return found == lines_.end() ? 0 : found->second;
}

float SettingsFileCheck::Number(const std::string& key) const {
    const auto found = table_.find(key);
    return found == table_.end() ? 0.0f : found->second.number;
}

bool SettingsFileCheck::HasNumber(const std::string& key) const {
    const auto found = table_.find(key);
    return LineOf(key) != 0 && found != table_.end() && found->second.kind == 1 &&
           std::find(faulty_.begin(), faulty_.end(), key) == faulty_.end();
}

std::string SettingsFileCheck::Shown(const std::string& key) const {
    const auto found = table_.find(key);
    const bool text = found != table_.end() && found->second.kind == 0;
    return Quoted(key + " = " + (text ? found->second.text : NumberText(Number(key))));
}

const KeyRule* SettingsFileCheck::Rule(const std::string& key) const {
    for (const KeyRule& rule : rules_) {
        if (key == rule.key) {
            return &rule;
        }
    }
    return nullptr;
}

bool SettingsFileCheck::Run() {
    std::string contents;
    if (!FileReader::ReadAll(gamePath_, contents)) {
        report_.Error(path_, 0,
                      "cannot be read: the game stops at start with " +
                          Quoted(FileReader::OpenFailure(gamePath_)));
        return false;
    }
    report_.FileRead(path_);
    ConfigFile::Parse(table_, contents);
    ConfigFile::VisitLines(contents, [this](ConfigLine& read) {
        const Line line{read.number, read.text, read.key, read.value, read.setting};
        if (!read.hasEquals) {
            // Any line without '=' is skipped, which makes comments; one that starts with
            // a key was meant as a setting.
            const std::string first = read.text.substr(0, read.text.find_first_of(" \t"));
            if (Rule(Trimmed(first)) != nullptr) {
                report_.Warning(path_, read.number,
                                Quoted(read.text) + " has no \"=\", so the game skips the line "
                                                    "(write \"key = value\")");
            }
            return;
        }
        if (CheckForm(line)) {
            CheckKey(line);
        }
    });
    CheckMissing();
    return true;
}

// The game drops one character on each side of '=' whatever it is, and trims nothing: the
// line is right when that leaves the key and the value without blanks around them.
bool SettingsFileCheck::CheckForm(const Line& line) {
    const std::size_t equals = line.text.find('=');
    const std::string key = Trimmed(line.text.substr(0, equals));
    const std::string value = Trimmed(line.text.substr(equals + 1));
    if (line.key == key && line.value == value && !key.empty()) {
        return true;
    }
    meant_.push_back(key);
    if (key.empty()) {
        report_.Error(path_, line.number,
                      Quoted(line.text) + " has no key before \"=\"; the game reads the key " +
                          Quoted(line.key));
        return false;
    }
    report_.Error(path_, line.number,
                  Quoted(line.text) + ": the game reads the key " + Quoted(line.key) +
                      " and the value " + Quoted(line.value) + "; write " +
                      Quoted(key + " = " + value) + ", one blank on each side of \"=\"");
    return false;
}

void SettingsFileCheck::CheckKey(const Line& line) {
    const KeyRule* rule = Rule(line.key);
    if (rule == nullptr) {
        const KeyRule* nearest = nullptr;
        std::size_t best = 0;
        for (const KeyRule& candidate : rules_) {
            const std::size_t distance = EditDistance(line.key, candidate.key);
            if (nearest == nullptr || distance < best) {
                nearest = &candidate;
                best = distance;
            }
        }
        std::string message = "unknown key " + Quoted(line.key) + ": the game ignores it";
        if (nearest != nullptr) {
            message += std::string(" (did you mean \"") + nearest->key + "\"?)";
        }
        report_.Warning(path_, line.number, message);
        return;
    }

    const int32_t first = LineOf(line.key);
    if (first != 0) {
        report_.Warning(path_, line.number,
                        Quoted(line.key) + " again: the game keeps the first value, from line " +
                            std::to_string(first) + ", and ignores this one (delete one of them)");
        return;
    }
    lines_[line.key] = line.number;
    if (rule->judged) {
        return;
    }

    const std::string shown = Quoted(line.key + " = " + line.value);
    std::string error, warning;
    if (rule->word && line.setting.kind == 1) {
        error = shown + " is a number to the game, which then reads the " + rule->key +
                " as empty; write a word with a character other than 0-9, \"-\" and \".\"";
    } else if (!rule->word && line.setting.kind == 0) {
        error = shown + " is not a number, so the game reads " + rule->key +
                " as 0; write a number with 0-9, \"-\" and \".\" only";
    } else if (!rule->word && line.value.empty()) {
        error = shown + " has no value, so the game reads " + rule->key + " as 0";
    } else if (!rule->word) {
        char* end = nullptr;
        std::strtod(line.value.c_str(), &end);
        if (*end != '\0') {
            warning = shown + " is not a well-formed number: the game reads it as " +
                      NumberText(line.setting.number);
        }
    }
    if (!error.empty()) {
        report_.Error(path_, line.number, error);
    } else if (!warning.empty()) {
        report_.Warning(path_, line.number, warning);
    } else {
        return;
    }
    faulty_.push_back(line.key);
}

void SettingsFileCheck::CheckMissing() {
    for (const KeyRule& rule : rules_) {
        if (!rule.required || LineOf(rule.key) != 0 ||
            std::find(meant_.begin(), meant_.end(), rule.key) != meant_.end()) {
            continue;
        }
        report_.Error(path_, 0,
                      std::string("no \"") + rule.key + "\" line: the game reads " + rule.key +
                          (rule.word ? " as empty" : " as 0") + "; add \"" + rule.key + " = ...\"");
    }
}
