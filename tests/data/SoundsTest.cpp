#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/data/DataReaders.h"
#include "tests/support/TempDir.h"

using namespace data;

namespace {

float Peak(const Wav& wav, size_t from, size_t to) {
    float peak = 0;
    for (size_t i = from; i < std::min(to, wav.samples.size()); ++i)
        peak = std::max(peak, std::fabs(wav.samples[i]));
    return peak;
}

// Start and end must sit at zero or the sound clicks; the middle must be clearly audible.
void ExpectCleanSound(const Wav& wav, double minSeconds, double maxSeconds) {
    ASSERT_TRUE(wav.ok);
    EXPECT_EQ(wav.bits, 16u);
    EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
    EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100 || wav.rate == 48000) << wav.rate;
    EXPECT_GE(wav.Seconds(), minSeconds);
    EXPECT_LE(wav.Seconds(), maxSeconds);
    size_t n = wav.samples.size();
    EXPECT_LT(std::fabs(wav.samples.front()), 0.002f);
    EXPECT_LT(std::fabs(wav.samples.back()), 0.002f);
    EXPECT_GT(Peak(wav, 0, n), 0.3f);
    EXPECT_LT(Peak(wav, 0, n), 0.999f) << "clipped";
}

} // namespace

TEST(Sounds, CombatEffectsAreShortCleanPcm) {
    for (const char* name : {"sword_hit", "arrow_fire", "arrow_hit"}) {
        SCOPED_TRACE(name);
        ExpectCleanSound(ReadWav(GameFile(std::string("Sounds/") + name + ".wav")), 0.1, 1.5);
    }
    EXPECT_NE(ReadBytes(GameFile("Sounds/sword_hit.wav")),
              ReadBytes(GameFile("Sounds/arrow_hit.wav")));
}

// An effect must be heard right when it is played: its loudest moment comes early.
TEST(Sounds, EffectsStrikeAtOnce) {
    for (const char* name : {"sword_hit", "arrow_fire", "arrow_hit"}) {
        Wav wav = ReadWav(GameFile(std::string("Sounds/") + name + ".wav"));
        ASSERT_TRUE(wav.ok) << name;
        size_t early = static_cast<size_t>(0.1 * wav.rate * wav.channels);
        EXPECT_GE(Peak(wav, 0, early), 0.9f * Peak(wav, 0, wav.samples.size())) << name;
    }
}

// The music is an MP3 made by lame; decoding it back shows its length and that the loop
// starts and ends in silence.
TEST(Sounds, MusicIsALongLoopThatStartsAndEndsQuietly) {
    std::string mp3 = GameFile("Music/Ashen Tide.mp3");
    std::string bytes = ReadBytes(mp3);
    ASSERT_GT(bytes.size(), 100000u);
    bool frameSync =
        static_cast<uint8_t>(bytes[0]) == 0xff && (static_cast<uint8_t>(bytes[1]) & 0xe0) == 0xe0;
    EXPECT_TRUE(frameSync) << "expected an MPEG frame first (and no ID3 tag with a date)";

    TempDir dir;
    std::string command = "lame --quiet --decode \"" + mp3 + "\" decoded.wav";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Wav wav = ReadWav(dir.path() + "/decoded.wav");
    ASSERT_TRUE(wav.ok);
    EXPECT_GE(wav.Seconds(), 30.0);
    EXPECT_LE(wav.Seconds(), 120.0);
    size_t n = wav.samples.size();
    size_t edge = static_cast<size_t>(0.005 * wav.rate * wav.channels);
    EXPECT_LT(Peak(wav, 0, edge), 0.01f);
    EXPECT_LT(Peak(wav, n - edge, n), 0.01f);
    // Not silent in the middle, and never silent for long (a gap would sound like the end).
    size_t second = static_cast<size_t>(wav.rate) * wav.channels;
    for (size_t at = second; at + second < n - second; at += second)
        EXPECT_GT(Peak(wav, at, at + second), 0.05f) << "quiet second at " << at / second;
}
