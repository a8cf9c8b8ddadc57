#include "sound/SoundSystem.h"

SoundSystem* gSound = nullptr;

SoundSystem::~SoundSystem() {
    Shutdown();
}

void SoundSystem::Init(std::string) {}

void SoundSystem::Shutdown() {}

void SoundSystem::Update() {}

void SoundSystem::PlaySample(std::string) {}

void SoundSystem::PlayMusic(std::string) {}
