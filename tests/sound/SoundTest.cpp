#include "sound/SoundSystem.h"

#include "engine/GameError.h"
#include "sound/AudioResult.h"
#include "sound/AudioSample.h"
#include "sound/AudioSystem.h"
#include "tests/support/TempDir.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <set>

namespace {

// A 32-bit little-endian field.
std::string Field(uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// A mono 16-bit PCM WAV file at 22050 Hz holding silence.
std::string Wave(int milliseconds) {
    const uint32_t bytes = 22050 * milliseconds / 1000 * 2;
    return "RIFF" + Field(36 + bytes) + "WAVEfmt " + Field(16) + Field(1 | 1 << 16) + Field(22050) +
           Field(44100) + Field(2 | 16 << 16) + "data" + Field(bytes) + std::string(bytes, '\0');
}

bool DeviceOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; // SDL_mixer 1.2 skips null outputs
}

class SoundTest : public testing::Test {
protected:
    SoundTest() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        dir.Write("Sounds/sword_hit.wav", Wave(4000)); // outlasts a slow test run
        dir.Write("Sounds/Arrow_Hit.WAV", Wave(1500));
        // Silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz), about 26 ms each.
        const std::string frame = std::string("\xff\xfb\x90\x04", 4) + std::string(413, '\0');
        dir.Write("Music/Ashen Tide.mp3", frame + frame + frame + frame);
    }
    TempDir dir;
};

} // namespace

// A failed start stops what it started; one that never started leaves another's device
// alone. Files are told apart as missing, undecodable, or damaged (a chunk claiming more
// than the file holds, refused before SDL would allocate it); an odd chunk is padded.
// Samples take free channels, channel 0 included, until none is left.
TEST_F(SoundTest, TheAudioLayerStartsLoadsAndPlays) {
    dir.Write("huge.wav", Wave(50).replace(40, 4, Field(0x7fffffff)));
    dir.Write("noise.wav", "this is not a sound file at all");
    dir.Write("cut.wav", "RIFF....WAVEjunk");
    dir.Write("padded.wav", Wave(50) + "LIST" + std::string("\x03\0\0\0abc\0", 8));
    AudioSystem audio;
    EXPECT_EQ(audio.Init(0), AudioChannelsFailed);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    ASSERT_EQ(audio.Init(3), AudioOk);
    { AudioSystem neverStarted; }
    EXPECT_TRUE(DeviceOpen());

    AudioSample* sample = nullptr;
    for (auto [file, result] : {std::pair{"absent.wav", AudioFileNotFound},
                                {"noise.wav", AudioFormatUnknown},
                                {".", AudioFormatUnknown},
                                {"huge.wav", AudioFileDamaged},
                                {"cut.wav", AudioFileDamaged},
                                {"padded.wav", AudioOk},
                                {"Sounds/sword_hit.wav", AudioOk}}) {
        EXPECT_EQ(audio.CreateSample(file, &sample), result) << file;
    }
    std::set<int> channels;
    int channel = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(audio.PlaySample(sample, &channel), AudioOk);
        channels.insert(channel);
    }
    EXPECT_EQ(channels, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(audio.PlaySample(sample, &channel), AudioNoFreeChannel);
    EXPECT_EQ(channel, -1);
    audio.Release();
    audio.Release();
    EXPECT_FALSE(DeviceOpen());
}

// A hundred channels; hits in one frame overlap, each path (resolved ignoring case) is
// loaded once however often it plays, and missing or broken files are silent. The music
// loops. Release stops everything, safely twice and without Init, and nothing plays after.
TEST_F(SoundTest, ThousandPlaysOfOneSampleKeepOneCopyAndTheMusicLoops) {
    { SoundSystem neverStarted; }
    SoundSystem sound;
    sound.Init("");
    EXPECT_EQ(Mix_AllocateChannels(-1), 100);
    for (int i = 0; i < 1000; ++i) {
        sound.PlaySample(i % 2 ? "Sounds\\sword_hit.wav" : "SOUNDS\\arrow_hit.wav");
        sound.PlaySample(i % 2 ? "Sounds\\nothing_here.wav" : "");
        sound.PlayMusic("Music\\Missing Track.mp3");
        sound.Update();
    }
    EXPECT_EQ(sound.Audio()->SampleCount(), 2u);
    EXPECT_EQ(sound.Audio()->StreamCount(), 0u);
    EXPECT_EQ(Mix_Playing(-1), 100); // every channel busy, the rest dropped
    // The battle music is a short MP3 here: it must still play after eight times its length.
    sound.PlayMusic("music\\ashen tide.MP3");
    for (int frame = 0; frame < 40; ++frame) {
        sound.Update();
        SDL_Delay(20);
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    sound.Shutdown();
    sound.Shutdown();
    EXPECT_FALSE(DeviceOpen());
    sound.PlaySample("Sounds\\sword_hit.wav");
    EXPECT_FALSE(DeviceOpen());
}

// No device is a start-up failure with our sentence; the same object starts later.
TEST_F(SoundTest, NoSoundDeviceIsAStartUpFailure) {
    SoundSystem sound;
    std::string text = "nothing thrown";
    setenv("SDL_AUDIODRIVER", "vornak-no-such-driver", 1);
    try {
        sound.Init("");
    } catch (const GameError& error) {
        text = error.what();
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(text == AudioResultText(AudioStartFailed) ||
                text == AudioResultText(AudioDeviceFailed))
        << text;
    EXPECT_STREQ(AudioResultText(AudioDeviceFailed), "No sound device could be opened.");
    EXPECT_STREQ(AudioResultText(AudioResultCount), "Unknown error.");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.Init("");
    EXPECT_TRUE(DeviceOpen());
}

// Levels are percentages of SDL_mixer's full volume, kept within 0 to 100, for the music
// and every channel; the game's sound subsystem passes them on.
TEST_F(SoundTest, VolumesArePercentagesOfFull) {
    SoundSystem sound;
    sound.Init("");
    sound.SetVolumes(50, 150);
    EXPECT_EQ(Mix_VolumeMusic(-1) * 1000 + Mix_Volume(99, -1), 64128);
    sound.SetVolumes(-5, 10);
    EXPECT_EQ(Mix_VolumeMusic(-1) * 1000 + Mix_Volume(0, -1), 12);
}
