#include "sound/SoundSystem.h"

#include "engine/GameError.h"
#include "platform/PathResolver.h"
#include "sound/AudioStream.h"
#include "sound/AudioSystem.h"

thread_local SoundSystem* gSound = nullptr;

namespace {
const int kChannels = 100;
} // namespace

SoundSystem::SoundSystem() = default;

SoundSystem::~SoundSystem() {
    Shutdown();
}

void SoundSystem::Init(std::string) {
    if (audio_) {
        return;
    }
    auto audio = std::make_unique<AudioSystem>();
    const AudioResult result = audio->Init(kChannels);
    if (result != AudioOk) {
        throw GameError(AudioResultText(result));
    }
    audio_ = std::move(audio);
}

void SoundSystem::Shutdown() {
    samples_.clear();
    streams_.clear();
    audio_.reset();
}

void SoundSystem::Update() {
    if (audio_) {
        audio_->Update();
    }
}

void SoundSystem::PlaySample(std::string path) {
    if (!audio_) {
        return;
    }
    auto found = samples_.find(path);
    if (found == samples_.end()) {
        AudioSample* sample = nullptr;
        audio_->CreateSample(PathResolver::Resolve(path), &sample);
        found = samples_.emplace(path, sample).first;
    }
    if (found->second) {
        audio_->PlaySample(found->second, nullptr);
    }
}

void SoundSystem::PlayMusic(std::string path) {
    if (!audio_) {
        return;
    }
    auto found = streams_.find(path);
    if (found == streams_.end()) {
        AudioStream* stream = nullptr;
        if (audio_->CreateStream(PathResolver::Resolve(path), &stream) == AudioOk) {
            stream->SetLooping(true);
        }
        found = streams_.emplace(path, stream).first;
    }
    if (found->second) {
        audio_->PlayStream(found->second);
    }
}

void SoundSystem::SetVolumes(int32_t music, int32_t sound) {
    if (audio_) {
        audio_->SetVolumes(music, sound);
    }
}
