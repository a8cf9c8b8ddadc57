#pragma once

struct Mix_Chunk;

// One sound file decoded whole into memory, ready to be mixed on any number of channels at
// once. Made and owned by the AudioSystem; freed when the system is released.
class AudioSample {
public:
    explicit AudioSample(Mix_Chunk* chunk) : chunk_(chunk) {}
    ~AudioSample();
    AudioSample(const AudioSample&) = delete;
    AudioSample& operator=(const AudioSample&) = delete;

    Mix_Chunk* Chunk() const { return chunk_; }

private:
    Mix_Chunk* chunk_;
};
