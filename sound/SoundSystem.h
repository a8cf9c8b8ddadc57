#pragma once

#include "engine/Subsystem.h"

#include <string>

// Plays the combat sounds and the looping battle music. A file that is missing or
// unreadable plays nothing and the game goes on. PlaySample and PlayMusic are virtual so
// the battle's tests can record what would be heard.
class SoundSystem : public Subsystem {
public:
    ~SoundSystem() override;

    void Init(std::string path) override;
    void Shutdown() override;
    void Update() override;
    void Render() override {}

    virtual void PlaySample(std::string path);
    virtual void PlayMusic(std::string path);
};

extern SoundSystem* gSound;
