#include "sound/AudioStream.h"

#include <SDL_mixer.h>

AudioStream::~AudioStream() {
    // Halts it first when it is the music playing.
    Mix_FreeMusic(music_);
}
