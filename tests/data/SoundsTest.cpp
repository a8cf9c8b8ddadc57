#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

} // namespace

// Start and end must sit at zero or the sound clicks; the middle must be clearly audible
// without clipping, and the loudest moment comes early so it is heard right when played.
TEST(Sounds, CombatEffectsAreShortCleanPcm) {
    for (const char* name : {"sword_hit", "arrow_fire", "arrow_hit"}) {
        SCOPED_TRACE(name);
        Wav wav = ReadWav(GameFile(std::string("Sounds/") + name + ".wav"));
        ASSERT_TRUE(wav.ok);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100 || wav.rate == 48000) << wav.rate;
        EXPECT_TRUE(wav.Seconds() >= 0.1 && wav.Seconds() <= 1.5) << wav.Seconds();
        EXPECT_LT(std::fabs(wav.samples.front()), 0.002f);
        EXPECT_LT(std::fabs(wav.samples.back()), 0.002f);
        float peak = Peak(wav, 0, wav.samples.size());
        EXPECT_TRUE(peak > 0.3f && peak < 0.999f) << peak;
        EXPECT_GE(Peak(wav, 0, size_t(0.1 * wav.rate * wav.channels)), 0.9f * peak);
    }
    EXPECT_NE(ReadBytes(GameFile("Sounds/sword_hit.wav")),
              ReadBytes(GameFile("Sounds/arrow_hit.wav")));
}

// The music is an MP3 made by lame; decoding it back shows its length and that the loop
// starts and ends in silence.
TEST(Sounds, MusicIsALongLoopThatStartsAndEndsQuietly) {
    std::string mp3 = GameFile("Music/Ashen Tide.mp3");
    std::string bytes = ReadBytes(mp3);
    ASSERT_GT(bytes.size(), 100000u);
    EXPECT_TRUE(U8(bytes, 0) == 0xff && (U8(bytes, 1) & 0xe0) == 0xe0)
        << "expected an MPEG frame first (and no ID3 tag with a date)";

    TempDir dir;
    std::string command = "lame --quiet --decode \"" + mp3 + "\" decoded.wav";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Wav wav = ReadWav(dir.path() + "/decoded.wav");
    ASSERT_TRUE(wav.ok);
    EXPECT_TRUE(wav.Seconds() >= 30.0 && wav.Seconds() <= 120.0) << wav.Seconds();
    size_t n = wav.samples.size(), edge = size_t(0.005 * wav.rate * wav.channels);
    EXPECT_LT(Peak(wav, 0, edge), 0.01f);
    EXPECT_LT(Peak(wav, n - edge, n), 0.01f);
    EXPECT_GT(Peak(wav, 0, n), 0.05f);
}
