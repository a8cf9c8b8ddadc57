#pragma once

#include "engine/Subsystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

class AudioSample;
class AudioStream;
class AudioSystem;

// Plays the combat sounds and the looping battle music. A file that is missing or
// unreadable plays nothing and the game goes on. PlaySample and PlayMusic are virtual so
// the battle's tests can record what would be heard.
//
// Each file is loaded once, on its first play, and kept until release; later plays of the
// same path start the kept copy on another free channel, so hits still overlap but memory
// does not grow with them. A file that failed to load is remembered as failed and not
// looked for again.
class SoundSystem : public Subsystem {
public:
    SoundSystem();
    ~SoundSystem() override;

    // Starts the audio device with 100 channels; a failure throws GameError with the
    // result code's sentence. The path is not used.
    void Init(std::string path) override;
    // Stops all sound and releases everything; safe without Init and more than once.
    void Shutdown() override;
    void Update() override;
    void Render() override {}

    virtual void PlaySample(std::string path);
    virtual void PlayMusic(std::string path);
    // Levels from 0 (silent) to 100 (as the files are), for the music and every sound;
    // kept for music started later too.
    virtual void SetVolumes(int32_t music, int32_t sound);

    // The layer underneath; null before Init and after release. For tests.
    const AudioSystem* Audio() const { return audio_.get(); }

private:
    std::unique_ptr<AudioSystem> audio_;
    // By the game's path (before resolving, so a missing file costs no disk look-up);
    // null marks a file that failed. The samples and streams belong to audio_.
    std::unordered_map<std::string, AudioSample*> samples_;
    std::unordered_map<std::string, AudioStream*> streams_;
};

// One per thread: battles played forward on other threads point theirs at a silent system
// of their own, so they are never heard. Null in a thread until set.
extern thread_local SoundSystem* gSound;
