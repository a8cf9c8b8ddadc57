#pragma once

#include "engine/Setting.h"

#include <cstdint>
#include <string>
#include <vector>

// A value of options.cfg the game could not use, by key; the default stands instead.
struct OptionProblem {
    std::string key;
    std::string reason; // "is not 1, 2 or 4: the game plays at 1"
};

// The player's own settings, kept in options.cfg beside the game's files. The defaults are
// the game as it always played: full volume, no mute, speed 1, the settings file's screen.
// Reading never fails: a missing key or a value out of its range keeps the default, so
// options can never stop the game from starting.
struct Options {
    static constexpr int32_t kFullVolume = 100;
    static constexpr int32_t kVolumeStep = 10;
    static constexpr int32_t kUnset = -1; // full_screen: as Data\engine.cfg says

    int32_t musicVolume = kFullVolume; // 0 to 100
    int32_t soundVolume = kFullVolume;
    int32_t mute = 0;  // 0 or 1
    int32_t speed = 1; // 1, 2 or 4: computer's steps per frame
    int32_t fullScreen = kUnset;
    std::string difficulty = "normal"; // or "hard"

    // The table made by the game's settings reader (ConfigFile::Parse) from options.cfg.
    static Options Read(const SettingsTable& table, std::vector<OptionProblem>* problems = nullptr);
    // The whole file as written, one "key = value" line each; full_screen only when set.
    std::string Text() const;

    // What the sound layer is given, 0 to 100: nothing while muted.
    int32_t MusicLevel() const { return mute ? 0 : musicVolume; }
    int32_t SoundLevel() const { return mute ? 0 : soundVolume; }
    // Sound volume by `steps` tens, kept within 0 to 100.
    void StepSoundVolume(int32_t steps);
    // 1, 2, 4, then 1 again.
    void StepSpeed();
    // normal to hard and back.
    void StepDifficulty();
    bool operator==(const Options& other) const;
};
