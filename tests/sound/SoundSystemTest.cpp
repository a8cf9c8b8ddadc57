#include "sound/SoundSystem.h"

#include "engine/GameError.h"
#include "sound/AudioResult.h"
#include "sound/AudioSystem.h"
#include "tests/sound/AudioFiles.h"
#include "tests/support/TempDir.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

using namespace audio_files;

namespace {

class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseDummyDriver();
        dir.Write("Sounds/sword_hit.wav", Wave(4000)); // outlasts a slow test run
        dir.Write("Sounds/Arrow_Hit.WAV", Wave(1500));
        dir.Write("Music/Ashen Tide.mp3", SilentMp3(4)); // about 0.1 s
    }
    TempDir dir;
};

} // namespace

TEST_F(SoundSystemTest, InitStartsAHundredChannelsAndReleaseStopsThem) {
    { SoundSystem neverStarted; } // destroyed without Init: nothing to release
    auto sound = std::make_unique<SoundSystem>();
    sound->Init("Data\\engine.cfg");
    EXPECT_EQ(Mix_AllocateChannels(-1), 100);
    { SoundSystem neverStarted; } // and it leaves the running device alone
    EXPECT_TRUE(DeviceOpen());
    sound->PlaySample("Sounds\\sword_hit.wav");
    sound->PlayMusic("Music\\Ashen Tide.mp3");

    sound->Shutdown(); // while both sound
    sound->Shutdown();
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound->PlaySample("Sounds\\sword_hit.wav"); // after release: nothing, and no reopening
    sound->PlayMusic("Music\\Ashen Tide.mp3");
    sound->Update();
    EXPECT_FALSE(DeviceOpen());

    sound->Init("");
    sound->PlaySample("Sounds\\sword_hit.wav");
    sound.reset(); // the destructor releases too
    EXPECT_FALSE(DeviceOpen());
}

TEST_F(SoundSystemTest, NoSoundDeviceIsAStartUpFailureWithOurSentence) {
    SoundSystem sound;
    std::string text = "nothing thrown";
    {
        NoAudioDriver noDriver;
        try {
            sound.Init("");
        } catch (const GameError& error) {
            text = error.what();
        }
    }
    EXPECT_TRUE(text == AudioResultText(AudioStartFailed) ||
                text == AudioResultText(AudioDeviceFailed))
        << text;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.Init(""); // with a device there again, the same object starts
    EXPECT_TRUE(DeviceOpen());
}

// Three hits in one frame are three sounds at once; paths are the game's own, resolved
// ignoring case.
TEST_F(SoundSystemTest, SamplesInOneFrameOverlapOnSeparateChannels) {
    SoundSystem sound;
    sound.Init("");
    for (const char* path : {"Sounds\\sword_hit.wav", "Sounds\\sword_hit.wav",
                             "Sounds\\sword_hit.wav", "SOUNDS\\arrow_hit.wav"}) {
        sound.PlaySample(path);
    }
    EXPECT_EQ(Mix_Playing(-1), 4);
    EXPECT_EQ(sound.Audio()->SampleCount(), 2u);
}

TEST_F(SoundSystemTest, ThousandPlaysOfOneSampleKeepOneCopy) {
    SoundSystem sound;
    sound.Init("");
    for (int i = 0; i < 1000; ++i) {
        sound.PlaySample("Sounds\\sword_hit.wav");
        sound.Update();
    }
    EXPECT_EQ(sound.Audio()->SampleCount(), 1u);
    EXPECT_EQ(Mix_Playing(-1), 100); // every channel busy, the rest dropped
    sound.Shutdown();
}

TEST_F(SoundSystemTest, MusicKeepsLoopingPastItsEnd) {
    SoundSystem sound;
    sound.Init("");
    sound.PlayMusic("music\\ashen tide.MP3");
    for (int frame = 0; frame < 40; ++frame) { // 0.8 s of frames, eight times the file
        sound.Update();
        SDL_Delay(20);
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

// Missing and broken files play nothing, throw nothing, are not looked for again, and
// leave the rest working.
TEST_F(SoundSystemTest, MissingOrBrokenFilesAreSilent) {
    dir.Write("Sounds/broken.wav", "RIFF....WAVEjunk");
    SoundSystem sound;
    sound.Init("");
    for (int i = 0; i < 2; ++i) {
        for (const char* path :
             {"Sounds\\nothing_here.wav", "Sounds\\broken.wav", "Nowhere\\a.wav", ""}) {
            EXPECT_NO_THROW(sound.PlaySample(path)) << path;
        }
        EXPECT_NO_THROW(sound.PlayMusic("Music\\Missing Track.mp3"));
    }
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0);
    EXPECT_EQ(sound.Audio()->SampleCount() + sound.Audio()->StreamCount(), 0u);
    sound.PlaySample("Sounds\\sword_hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
}
