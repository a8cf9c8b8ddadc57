#pragma once

#include "sound/AudioResult.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class AudioSample;
class AudioStream;

// The game's own small audio layer over SDL_mixer: starts the audio device, makes samples
// and streams from files, plays them without waiting, and frees it all on Release. It owns
// every sample and stream it makes, so a caller never frees one; a caller that makes a new
// sample for every play makes memory grow until Release.
//
// Call order: Init, then any of the others, then Release (the destructor releases too).
// Everything runs on the main thread; SDL_mixer mixes on its own audio thread.
class AudioSystem {
public:
    AudioSystem();
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // Starts SDL's audio, opens the device and allocates `channels` mixing channels. On a
    // failure whatever was started is stopped again.
    AudioResult Init(int channels);
    // Per-frame work. SDL_mixer mixes on its own thread, so there is nothing to pump.
    AudioResult Update();

    // Loads a whole file as a new sample; `sample` is null unless the result is AudioOk.
    AudioResult CreateSample(const std::string& path, AudioSample** sample);
    // Opens a file as a new stream, not looping; `stream` is null unless AudioOk.
    AudioResult CreateStream(const std::string& path, AudioStream** stream);

    // Starts the sample once on a free channel and returns at once. `channel` may be null.
    AudioResult PlaySample(AudioSample* sample, int* channel);
    // Starts the stream as the music, in its loop mode, replacing any music playing.
    AudioResult PlayStream(AudioStream* stream);

    // Music and sample levels, each 0 (silent) to 100 (full), clamped; they hold for
    // everything played after too.
    AudioResult SetVolumes(int music, int sound);

    // Stops every sound, frees every sample and stream, closes the device and stops SDL's
    // audio. Safe to call when Init never ran or failed, and more than once.
    void Release();

    bool Running() const { return running_; }
    std::size_t SampleCount() const { return samples_.size(); }
    std::size_t StreamCount() const { return streams_.size(); }

private:
    bool running_ = false;
    std::vector<std::unique_ptr<AudioSample>> samples_;
    std::vector<std::unique_ptr<AudioStream>> streams_;
};
