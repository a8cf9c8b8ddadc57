#include "sound/AudioSystem.h"
#include "sound/AudioSample.h"
#include "sound/AudioStream.h"
#include "tests/sound/AudioFiles.h"
#include "tests/support/TempDir.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

using namespace audio_files;

namespace {

class AudioSystemTest : public ::testing::Test {
protected:
    void SetUp() override { UseDummyDriver(); }
    TempDir dir;
};

bool DeviceOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

} // namespace

TEST_F(AudioSystemTest, InitOpensTheDeviceAndReleaseClosesIt) {
    AudioSystem audio;
    ASSERT_EQ(audio.Init(100), AudioOk);
    EXPECT_TRUE(audio.Running());
    EXPECT_TRUE(DeviceOpen());
    EXPECT_EQ(Mix_AllocateChannels(-1), 100); // -1 asks without changing
    EXPECT_EQ(audio.Update(), AudioOk);
    { AudioSystem neverStarted; } // must not close the device that is running
    EXPECT_TRUE(DeviceOpen());

    audio.Release();
    EXPECT_FALSE(audio.Running());
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    audio.Release(); // a second release finds nothing to do

    // Released means usable again, not broken.
    ASSERT_EQ(audio.Init(8), AudioOk);
    EXPECT_EQ(Mix_AllocateChannels(-1), 8);
}

TEST_F(AudioSystemTest, FailedStartLeavesNothingRunning) {
    {
        NoAudioDriver noDriver;
        AudioSystem audio;
        const AudioResult result = audio.Init(100);
        EXPECT_TRUE(result == AudioStartFailed || result == AudioDeviceFailed) << result;
        EXPECT_FALSE(audio.Running());
        EXPECT_FALSE(DeviceOpen());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
    AudioSystem audio;
    EXPECT_EQ(audio.Init(0), AudioChannelsFailed);
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(AudioSystemTest, EverythingBeforeInitReportsNotStarted) {
    dir.Write("a.wav", Wave(50));
    AudioSystem audio;
    AudioSample* sample = reinterpret_cast<AudioSample*>(1);
    AudioStream* stream = reinterpret_cast<AudioStream*>(1);
    EXPECT_EQ(audio.Update(), AudioNotStarted);
    EXPECT_EQ(audio.CreateSample("a.wav", &sample), AudioNotStarted);
    EXPECT_EQ(sample, nullptr);
    EXPECT_EQ(audio.CreateStream("a.wav", &stream), AudioNotStarted);
    EXPECT_EQ(stream, nullptr);
    int channel = 5;
    EXPECT_EQ(audio.PlaySample(nullptr, &channel), AudioNotStarted);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(audio.PlayStream(nullptr), AudioNotStarted);
}

TEST_F(AudioSystemTest, CreatingTellsMissingFromUndecodableFiles) {
    dir.Write("good.wav", Wave(50));
    dir.Write("noise.wav", "RIFF but not really a wave file at all");
    dir.Write("empty.wav", "");
    AudioSystem audio;
    ASSERT_EQ(audio.Init(4), AudioOk);

    AudioSample* sample = nullptr;
    EXPECT_EQ(audio.CreateSample("absent.wav", &sample), AudioFileNotFound);
    EXPECT_EQ(sample, nullptr);
    EXPECT_EQ(audio.CreateSample("noise.wav", &sample), AudioFormatUnknown);
    EXPECT_EQ(sample, nullptr);
    EXPECT_EQ(audio.CreateSample("empty.wav", &sample), AudioFormatUnknown);
    EXPECT_EQ(audio.CreateSample(".", &sample), AudioFormatUnknown); // a folder
    EXPECT_EQ(audio.SampleCount(), 0u);
    EXPECT_EQ(audio.CreateSample("good.wav", nullptr), AudioNullHandle);

    AudioStream* stream = nullptr;
    EXPECT_EQ(audio.CreateStream("absent.mp3", &stream), AudioFileNotFound);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(audio.StreamCount(), 0u);

    ASSERT_EQ(audio.CreateSample("good.wav", &sample), AudioOk);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(audio.SampleCount(), 1u);
    EXPECT_EQ(audio.PlayStream(nullptr), AudioNullHandle);
    EXPECT_EQ(audio.PlaySample(nullptr, nullptr), AudioNullHandle);
}

TEST_F(AudioSystemTest, SamplesTakeFreeChannelsUntilNoneIsLeft) {
    dir.Write("long.wav", Wave(2000));
    AudioSystem audio;
    ASSERT_EQ(audio.Init(3), AudioOk);
    AudioSample* sample = nullptr;
    ASSERT_EQ(audio.CreateSample("long.wav", &sample), AudioOk);

    int channels[3] = {-1, -1, -1};
    for (int& channel : channels) {
        ASSERT_EQ(audio.PlaySample(sample, &channel), AudioOk);
    }
    EXPECT_NE(channels[0], channels[1]);
    EXPECT_NE(channels[1], channels[2]);
    EXPECT_NE(channels[0], channels[2]);
    EXPECT_EQ(Mix_Playing(-1), 3);

    // The fourth is dropped; the three already sounding carry on.
    int channel = 0;
    EXPECT_EQ(audio.PlaySample(sample, &channel), AudioNoFreeChannel);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(Mix_Playing(-1), 3);

    // Released while sounding: everything stops and is freed.
    audio.Release();
    EXPECT_EQ(audio.SampleCount(), 0u);
}

// A looping stream outlasts its own length; a one-shot stream ends. The stream is an MP3,
// which is what the battle music is.
TEST_F(AudioSystemTest, StreamsLoopOnlyWhenSetTo) {
    dir.Write("short.mp3", SilentMp3(4)); // about 0.1 s
    AudioSystem audio;
    ASSERT_EQ(audio.Init(4), AudioOk);
    AudioStream* once = nullptr;
    AudioStream* looping = nullptr;
    ASSERT_EQ(audio.CreateStream("short.mp3", &once), AudioOk);
    ASSERT_EQ(audio.CreateStream("short.mp3", &looping), AudioOk);
    EXPECT_EQ(audio.StreamCount(), 2u);
    EXPECT_FALSE(once->Looping());
    looping->SetLooping(true);

    ASSERT_EQ(audio.PlayStream(once), AudioOk);
    const Mix_MusicType type = Mix_GetMusicType(nullptr);
    EXPECT_TRUE(type == MUS_MP3 || type == MUS_MP3_MAD) << type;
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    SDL_Delay(700);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "a one-shot stream should have ended";

    ASSERT_EQ(audio.PlayStream(looping), AudioOk);
    SDL_Delay(700);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "a looping stream should still be playing";
}
