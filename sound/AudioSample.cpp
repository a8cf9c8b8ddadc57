#include "sound/AudioSample.h"

#include <SDL_mixer.h>

AudioSample::~AudioSample() {
    // Halts any channel still playing it first.
    Mix_FreeChunk(chunk_);
}
