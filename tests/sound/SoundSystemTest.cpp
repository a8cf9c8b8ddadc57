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
        dir.Write("Sounds/arrow_hit.wav", Wave(1500));
        dir.Write("Music/Ashen Tide.mp3", SilentMp3(4)); // about 0.1 s
    }
    TempDir dir;
};

bool DeviceOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

} // namespace

TEST_F(SoundSystemTest, InitStartsAHundredChannelsAndReleaseStopsThem) {
    auto* sound = new SoundSystem;
    EXPECT_EQ(sound->Audio(), nullptr);
    sound->Init("Data\\engine.cfg");
    ASSERT_NE(sound->Audio(), nullptr);
    EXPECT_TRUE(DeviceOpen());
    EXPECT_EQ(Mix_AllocateChannels(-1), 100);
    sound->Update();

    sound->Shutdown();
    EXPECT_EQ(sound->Audio(), nullptr);
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound->Shutdown();
    sound->PlaySample("Sounds\\sword_hit.wav"); // after release: silently nothing
    sound->PlayMusic("Music\\Ashen Tide.mp3");
    sound->Update();
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(sound->Audio(), nullptr);
    delete sound; // releases a third time
}

TEST_F(SoundSystemTest, DestroyingOneThatNeverStartedLeavesTheDeviceAlone) {
    SoundSystem running;
    running.Init("");
    { SoundSystem neverStarted; }
    {
        SoundSystem alsoNeverStarted;
        alsoNeverStarted.Shutdown();
    }
    EXPECT_TRUE(DeviceOpen());
    running.PlaySample("Sounds\\sword_hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SoundSystemTest, DestructorReleasesTheDevice) {
    {
        SoundSystem sound;
        sound.Init("");
        sound.PlaySample("Sounds\\sword_hit.wav");
        sound.PlayMusic("Music\\Ashen Tide.mp3");
    }
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SoundSystemTest, NoSoundDeviceIsAStartUpFailureWithOurSentence) {
    SoundSystem sound;
    {
        NoAudioDriver noDriver;
        try {
            sound.Init("");
            FAIL() << "Init should have thrown";
        } catch (const GameError& error) {
            const std::string text = error.what();
            EXPECT_TRUE(text == AudioResultText(AudioStartFailed) ||
                        text == AudioResultText(AudioDeviceFailed))
                << text;
        }
    }
    EXPECT_EQ(sound.Audio(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    // Once a device is there again, the same object starts normally.
    sound.Init("");
    EXPECT_TRUE(DeviceOpen());
}

// Three hits in one frame are three sounds at once, from the one loaded copy.
TEST_F(SoundSystemTest, SamplesInOneFrameOverlapOnSeparateChannels) {
    SoundSystem sound;
    sound.Init("");
    sound.PlaySample("Sounds\\sword_hit.wav");
    sound.PlaySample("Sounds\\sword_hit.wav");
    sound.PlaySample("Sounds\\sword_hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 3);
    sound.PlaySample("Sounds\\arrow_hit.wav");
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
    EXPECT_FALSE(DeviceOpen());
}

TEST_F(SoundSystemTest, GamePathsAreResolvedIgnoringCase) {
    dir.Write("Sounds/Arrow_Fire.WAV", Wave(1500));
    SoundSystem sound;
    sound.Init("");
    sound.PlaySample("Sounds\\arrow_fire.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound.PlayMusic("MUSIC\\ashen tide.MP3");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SoundSystemTest, MusicKeepsLoopingPastItsEnd) {
    SoundSystem sound;
    sound.Init("");
    sound.PlayMusic("Music\\Ashen Tide.mp3");
    ASSERT_EQ(Mix_PlayingMusic(), 1);
    for (int frame = 0; frame < 40; ++frame) { // 0.8 s of frames, eight times the file
        sound.Update();
        SDL_Delay(20);
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(sound.Audio()->StreamCount(), 1u);
}

// Missing and broken files play nothing, throw nothing, and leave the rest working.
TEST_F(SoundSystemTest, MissingOrBrokenFilesAreSilent) {
    dir.Write("Sounds/broken.wav", "RIFF....WAVEjunk");
    SoundSystem sound;
    sound.Init("");
    for (int i = 0; i < 3; ++i) {
        EXPECT_NO_THROW(sound.PlaySample("Sounds\\nothing_here.wav"));
        EXPECT_NO_THROW(sound.PlaySample("Sounds\\broken.wav"));
        EXPECT_NO_THROW(sound.PlaySample("Nowhere\\at\\all.wav"));
        EXPECT_NO_THROW(sound.PlaySample(""));
    }
    EXPECT_NO_THROW(sound.PlayMusic("Music\\Missing Track.mp3"));
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(sound.Audio()->SampleCount(), 0u);
    EXPECT_EQ(sound.Audio()->StreamCount(), 0u);

    sound.PlaySample("Sounds\\sword_hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
}
