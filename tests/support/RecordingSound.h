#pragma once

#include "sound/SoundSystem.h"

#include <string>
#include <utility>
#include <vector>

// A sound subsystem that is never started: it plays nothing and remembers what it was
// asked to play.
class RecordingSound : public SoundSystem {
public:
    std::vector<std::string> samples;
    std::vector<std::string> music;
    std::vector<std::pair<int32_t, int32_t>> volumes; // music, sound

    void PlaySample(std::string path) override { samples.push_back(path); }
    void PlayMusic(std::string path) override { music.push_back(path); }
    void SetVolumes(int32_t music, int32_t sound) override { volumes.emplace_back(music, sound); }
};
