#include "sound/AudioSystem.h"

#include "sound/AudioSample.h"
#include "sound/AudioStream.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// CD-rate stereo with a buffer of about 23 ms, short enough that a hit is heard at once.
const int kFrequency = 44100;
const int kOutputChannels = 2;
const int kBufferSamples = 1024;

bool FileOpens(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) {
        return false;
    }
    SDL_RWclose(file);
    return true;
}

// SDL allocates each chunk of a WAV file at the size the file claims before it reads it,
// so a damaged length asks for up to 4 GB. Walks the chunk headers of a RIFF file and says
// whether each fits inside the file; other formats pass. Leaves the file at its start.
bool RiffChunksFit(SDL_RWops* file) {
    const int size = SDL_RWseek(file, 0, RW_SEEK_END);
    SDL_RWseek(file, 0, RW_SEEK_SET);
    Uint8 header[12];
    if (size < 12 || SDL_RWread(file, header, sizeof header, 1) != 1 ||
        SDL_memcmp(header, "RIFF", 4) != 0) {
        SDL_RWseek(file, 0, RW_SEEK_SET);
        return true;
    }
    bool fits = true;
    long offset = 12;
    while (fits && offset + 8 <= size) {
        SDL_RWseek(file, offset + 4, RW_SEEK_SET);
        const Uint32 length = SDL_ReadLE32(file);
        fits = static_cast<long>(length) <= size - offset - 8;
        offset += 8 + static_cast<long>(length) + (length & 1); // chunks are padded to even
    }
    // A piece of a header at the end would be read with a length from beyond the file.
    fits = fits && !(offset < size && size - offset < 8);
    SDL_RWseek(file, 0, RW_SEEK_SET);
    return fits;
}

} // namespace

AudioSystem::AudioSystem() = default;

AudioSystem::~AudioSystem() {
    Release();
}

AudioResult AudioSystem::Init(int channels) {
    if (running_) {
        return AudioOk;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return AudioStartFailed;
    }
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kBufferSamples) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AudioDeviceFailed;
    }
    if (channels <= 0 || Mix_AllocateChannels(channels) != channels) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AudioChannelsFailed;
    }
    running_ = true;
    return AudioOk;
}

AudioResult AudioSystem::Update() {
    return running_ ? AudioOk : AudioNotStarted;
}

AudioResult AudioSystem::CreateSample(const std::string& path, AudioSample** sample) {
    if (!sample) {
        return AudioNullHandle;
    }
    *sample = nullptr;
    if (!running_) {
        return AudioNotStarted;
    }
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) {
        return AudioFileNotFound;
    }
    if (!RiffChunksFit(file)) {
        SDL_RWclose(file);
        return AudioFileDamaged;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1); // closes the file, loaded or not
    if (!chunk) {
        return AudioFormatUnknown;
    }
    samples_.push_back(std::make_unique<AudioSample>(chunk));
    *sample = samples_.back().get();
    return AudioOk;
}

AudioResult AudioSystem::CreateStream(const std::string& path, AudioStream** stream) {
    if (!stream) {
        return AudioNullHandle;
    }
    *stream = nullptr;
    if (!running_) {
        return AudioNotStarted;
    }
    // SDL_mixer says only "could not open" for both cases; look first to tell them apart.
    if (!FileOpens(path)) {
        return AudioFileNotFound;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
        return AudioFormatUnknown;
    }
    streams_.push_back(std::make_unique<AudioStream>(music));
    *stream = streams_.back().get();
    return AudioOk;
}

AudioResult AudioSystem::PlaySample(AudioSample* sample, int* channel) {
    if (channel) {
        *channel = -1;
    }
    if (!running_) {
        return AudioNotStarted;
    }
    if (!sample) {
        return AudioNullHandle;
    }
    // When all channels are busy the new sound is dropped; the ones playing finish.
    const int used = Mix_PlayChannel(-1, sample->Chunk(), 0);
    if (used < 0) {
        return AudioNoFreeChannel;
    }
    if (channel) {
        *channel = used;
    }
    return AudioOk;
}

AudioResult AudioSystem::PlayStream(AudioStream* stream) {
    if (!running_) {
        return AudioNotStarted;
    }
    if (!stream) {
        return AudioNullHandle;
    }
    // SDL_mixer counts plays: -1 is endless, 1 is once.
    if (Mix_PlayMusic(stream->Music(), stream->Looping() ? -1 : 1) != 0) {
        return AudioPlayFailed;
    }
    return AudioOk;
}

AudioResult AudioSystem::SetVolumes(int music, int sound) {
    if (!running_) {
        return AudioNotStarted;
    }
    const auto level = [](int percent) {
        return std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100;
    };
    Mix_VolumeMusic(level(music));
    Mix_Volume(-1, level(sound)); // every channel, so every sample after
    return AudioOk;
}

void AudioSystem::Release() {
    if (!running_) {
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    // Freed while the mixer is still open, as SDL_mixer expects.
    samples_.clear();
    streams_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    running_ = false;
}
