#pragma once

struct _Mix_Music;

// A music file decoded bit by bit while it plays. Only one stream sounds at a time;
// starting another replaces it. Made and owned by the AudioSystem.
class AudioStream {
public:
    explicit AudioStream(_Mix_Music* music) : music_(music) {}
    ~AudioStream();
    AudioStream(const AudioStream&) = delete;
    AudioStream& operator=(const AudioStream&) = delete;

    _Mix_Music* Music() const { return music_; }

    // Takes effect the next time the stream is started.
    void SetLooping(bool looping) { looping_ = looping; }
    bool Looping() const { return looping_; }

private:
    _Mix_Music* music_;
    bool looping_ = false;
};
