#include "options/Options.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsVolume(int32_t value) {
    return value >= 0 && value <= Options::kFullVolume;
}
bool IsSwitch(int32_t value) {
    return value == 0 || value == 1;
}
bool IsSpeed(int32_t value) {
    return value == 1 || value == 2 || value == 4;
}

struct NumberKey {
    const char* key;
    int32_t Options::*field;
    bool (*valid)(int32_t);
    const char* allowed;
};

const NumberKey kNumberKeys[] = {
    {"music_volume", &Options::musicVolume, IsVolume, "a whole number from 0 to 100"},
    {"sound_volume", &Options::soundVolume, IsVolume, "a whole number from 0 to 100"},
    {"mute", &Options::mute, IsSwitch, "0 or 1"},
    {"speed", &Options::speed, IsSpeed, "1, 2 or 4"},
    {"full_screen", &Options::fullScreen, IsSwitch, "0 or 1"},
};

const char* const kDifficulties[] = {"normal", "hard"};

} // namespace

Options Options::Read(const SettingsTable& table, std::vector<OptionProblem>* problems) {
    Options options;
    const auto refuse = [problems](const std::string& key, const std::string& reason) {
        if (problems) {
            problems->push_back({key, reason});
        }
    };
    for (const NumberKey& rule : kNumberKeys) {
        const auto found = table.find(rule.key);
        if (found == table.end()) {
            continue;
        }
        const Setting& setting = found->second;
        const float number = setting.number;
        const bool whole = setting.kind == 1 && std::floor(number) == number &&
                           std::fabs(number) < 1e6f && rule.valid(static_cast<int32_t>(number));
        if (whole) {
            options.*rule.field = static_cast<int32_t>(number);
            continue;
        }
        const int32_t standing = options.*rule.field;
        refuse(rule.key,
               std::string("is not ") + rule.allowed + ": the game uses " +
                   (standing == kUnset ? "the settings file's" : std::to_string(standing)));
    }
    const auto found = table.find("difficulty");
    if (found != table.end()) {
        const std::string& word = found->second.text;
        if (found->second.kind == 0 && std::find(std::begin(kDifficulties), std::end(kDifficulties),
                                                 word) != std::end(kDifficulties)) {
            options.difficulty = word;
        } else {
            refuse("difficulty", "is not normal or hard: the game plays normal");
        }
    }
    return options;
}

std::string Options::Text() const {
    std::string text;
    for (const NumberKey& rule : kNumberKeys) {
        if (this->*rule.field != kUnset) {
            text += std::string(rule.key) + " = " + std::to_string(this->*rule.field) + "\n";
        }
    }
    return text + "difficulty = " + difficulty + "\n";
}

void Options::StepSoundVolume(int32_t steps) {
    soundVolume = std::clamp(soundVolume + steps * kVolumeStep, 0, kFullVolume);
}

void Options::StepSpeed() {
    speed = speed >= 4 ? 1 : speed * 2;
}

void Options::StepDifficulty() {
    difficulty = difficulty == "hard" ? "normal" : "hard";
}

bool Options::operator==(const Options& other) const {
    return musicVolume == other.musicVolume && soundVolume == other.soundVolume &&
           mute == other.mute && speed == other.speed && fullScreen == other.fullScreen &&
           difficulty == other.difficulty;
}
