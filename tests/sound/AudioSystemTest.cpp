#include "sound/AudioSystem.h"
#include "sound/AudioSample.h"
#include "sound/AudioStream.h"
#include "tests/sound/AudioFiles.h"
#include "tests/support/TempDir.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <set>

using namespace audio_files;

namespace {

class AudioSystemTest : public ::testing::Test {
protected:
    void SetUp() override { UseDummyDriver(); }
    TempDir dir;
};

} // namespace

// A failed start stops again whatever it had started (the missing device is tried through
// the sound subsystem); an audio system that never started must not close the device
// another one opened, and releasing twice is harmless.
TEST_F(AudioSystemTest, StartsAfterAFailureAndStopsOnlyWhatItStarted) {
    AudioSystem audio;
    EXPECT_EQ(audio.Update(), AudioNotStarted);
    EXPECT_EQ(audio.Init(0), AudioChannelsFailed);
    EXPECT_FALSE(DeviceOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    ASSERT_EQ(audio.Init(8), AudioOk);
    EXPECT_EQ(Mix_AllocateChannels(-1), 8); // -1 asks without changing
    { AudioSystem neverStarted; }
    EXPECT_TRUE(DeviceOpen());
    audio.Release();
    audio.Release();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(AudioSystemTest, CreatingTellsMissingFromUndecodableFiles) {
    dir.Write("noise.wav", "this is not a sound file at all");
    dir.Write("empty.wav", "");
    std::string huge = Wave(50);
    huge.replace(40, 4, "\xff\xff\xff\x7f"); // the data chunk claims 2 GB
    dir.Write("huge.wav", huge);
    dir.Write("cut.wav", "RIFF....WAVEjunk"); // a header cut off after its name
    std::string padded = Wave(50) + "LIST";   // an extra chunk after the sound is harmless
    padded += std::string("\x03\0\0\0abc\0", 8);
    dir.Write("padded.wav", padded);
    AudioSystem audio;
    ASSERT_EQ(audio.Init(4), AudioOk);

    AudioSample* sample = reinterpret_cast<AudioSample*>(1);
    EXPECT_EQ(audio.CreateSample("absent.wav", &sample), AudioFileNotFound);
    EXPECT_EQ(sample, nullptr);
    EXPECT_EQ(audio.CreateSample("noise.wav", &sample), AudioFormatUnknown);
    EXPECT_EQ(audio.CreateSample("empty.wav", &sample), AudioFormatUnknown);
    EXPECT_EQ(audio.CreateSample(".", &sample), AudioFormatUnknown); // a folder
    // Refused before SDL would allocate what the damaged length claims.
    EXPECT_EQ(audio.CreateSample("huge.wav", &sample), AudioFileDamaged);
    EXPECT_EQ(audio.CreateSample("cut.wav", &sample), AudioFileDamaged);
    AudioStream* stream = nullptr;
    EXPECT_EQ(audio.CreateStream("absent.mp3", &stream), AudioFileNotFound);
    EXPECT_EQ(audio.SampleCount() + audio.StreamCount(), 0u);
    EXPECT_EQ(audio.CreateSample("padded.wav", &sample), AudioOk);
}

TEST_F(AudioSystemTest, SamplesTakeFreeChannelsUntilNoneIsLeft) {
    dir.Write("long.wav", Wave(2000));
    AudioSystem audio;
    ASSERT_EQ(audio.Init(3), AudioOk);
    AudioSample* sample = nullptr;
    ASSERT_EQ(audio.CreateSample("long.wav", &sample), AudioOk);

    std::set<int> channels;
    for (int i = 0; i < 3; ++i) {
        int channel = -1;
        ASSERT_EQ(audio.PlaySample(sample, &channel), AudioOk);
        channels.insert(channel);
    }
    EXPECT_EQ(channels.size(), 3u);
    // The fourth is dropped; the three already sounding carry on.
    int channel = 0;
    EXPECT_EQ(audio.PlaySample(sample, &channel), AudioNoFreeChannel);
    EXPECT_EQ(channel, -1);
    EXPECT_EQ(Mix_Playing(-1), 3);
}

// Without the loop flag a stream ends, so the music test's loop is not the file's length.
// The stream is an MP3, like the battle music.
TEST_F(AudioSystemTest, StreamPlaysOnceUnlessSetToLoop) {
    dir.Write("short.mp3", SilentMp3(4)); // about 0.1 s
    AudioSystem audio;
    ASSERT_EQ(audio.Init(4), AudioOk);
    AudioStream* once = nullptr;
    ASSERT_EQ(audio.CreateStream("short.mp3", &once), AudioOk);
    ASSERT_EQ(audio.PlayStream(once), AudioOk);
    const Mix_MusicType type = Mix_GetMusicType(nullptr);
    EXPECT_TRUE(type == MUS_MP3 || type == MUS_MP3_MAD) << type;
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    SDL_Delay(700);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
