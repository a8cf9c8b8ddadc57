#include <cmath>
#include <vector>

#include "tools/assetgen/AssetGen.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Synth.h"
#include "tools/assetgen/Wav.h"

// "Ashen Tide": sixteen bars in D minor at 88 beats a minute, about 44 seconds, for a pad,
// a bass, a bell-like melody with an echo, a low drum and a wash of surf. It begins from
// silence and dies away to silence, so the loop restarts without a click.
namespace {

constexpr int kRate = 44100;
constexpr double kBeat = 60.0 / 88.0;
constexpr double kBar = 4 * kBeat;
constexpr int kBars = 16;
// A breath of silence before the first note, so the encoder's smearing of the first attack
// stays quiet and the loop's restart is clean.
constexpr double kLeadIn = 0.12;

struct Chord {
    int bass;
    int pad[3];
};
// Dm Bb F C | Dm Gm A Dm | Dm Bb Gm A | Bb C A Dm, voiced to move as little as possible.
const Chord kDm{38, {50, 53, 57}}, kBb{34, {50, 53, 58}}, kF{41, {48, 53, 57}},
    kC{36, {48, 52, 55}}, kGm{43, {50, 55, 58}}, kA{45, {49, 52, 57}};
const Chord kProgression[kBars] = {kDm, kBb, kF,  kC, kDm, kGm, kA, kDm,
                                   kDm, kBb, kGm, kA, kBb, kC,  kA, kDm};

struct Note {
    int bar;
    double beat;
    double length; // beats
    int pitch;
};
const Note kMelody[] = {
    {0, 0, 1.5, 69},   {0, 1.5, 0.5, 65},  {0, 2, 1, 62},     {0, 3, 1, 64},     {1, 0, 1.5, 65},
    {1, 1.5, 0.5, 67}, {1, 2, 1, 65},      {1, 3, 1, 62},     {2, 0, 1.5, 72},   {2, 1.5, 0.5, 69},
    {2, 2, 1, 65},     {2, 3, 1, 69},      {3, 0, 2, 67},     {3, 2, 1, 64},     {3, 3, 1, 67}, //
    {4, 0, 1.5, 74},   {4, 1.5, 0.5, 72},  {4, 2, 1, 69},     {4, 3, 1, 65},     {5, 0, 1, 67},
    {5, 1, 1, 70},     {5, 2, 1.5, 74},    {5, 3.5, 0.5, 72}, {6, 0, 1.5, 73},   {6, 1.5, 0.5, 69},
    {6, 2, 1, 64},     {6, 3, 1, 67},      {7, 0, 1, 65},     {7, 1, 1, 64},     {7, 2, 2, 62}, //
    {8, 0, 1, 69},     {8, 1, 1, 74},      {8, 2, 1.5, 77},   {8, 3.5, 0.5, 76}, {9, 0, 1.5, 74},
    {9, 1.5, 0.5, 72}, {9, 2, 1, 70},      {9, 3, 1, 74},     {10, 0, 1.5, 70},  {10, 1.5, 0.5, 69},
    {10, 2, 1, 67},    {10, 3, 1, 70},     {11, 0, 2, 69},    {11, 2, 1, 73},    {11, 3, 1, 76}, //
    {12, 0, 1.5, 77},  {12, 1.5, 0.5, 74}, {12, 2, 2, 70},                                       //
    {13, 0, 1.5, 76},  {13, 1.5, 0.5, 72}, {13, 2, 2, 67},                                       //
    {14, 0, 1.5, 69},  {14, 1.5, 0.5, 67}, {14, 2, 1, 65},    {14, 3, 1, 64},    {15, 0, 3, 62},
};

class Track {
public:
    explicit Track(double seconds) : left_(Frames(seconds), 0.0f), right_(Frames(seconds), 0.0f) {}
    static size_t Frames(double seconds) { return static_cast<size_t>(seconds * kRate); }
    size_t Size() const { return left_.size(); }
    // Adds a mono sample at a stereo position: pan -1 is hard left, 1 hard right.
    void Add(size_t frame, double value, double pan) {
        if (frame >= left_.size())
            return;
        left_[frame] += static_cast<float>(value * std::sqrt(0.5 * (1.0 - pan)));
        right_[frame] += static_cast<float>(value * std::sqrt(0.5 * (1.0 + pan)));
    }
    std::vector<float>& Left() { return left_; }
    std::vector<float>& Right() { return right_; }

private:
    std::vector<float> left_, right_;
};

// Soft additive tone; the two slightly detuned copies drift against each other for width.
void Pad(Track& mix, double start, double length, int pitch, double level) {
    const double release = 1.2;
    double hz = MidiToHz(pitch);
    size_t first = Track::Frames(start);
    size_t count = Track::Frames(length + release);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / kRate;
        double env = Swell(t, 0.5, length, release) * level;
        if (env <= 0)
            continue;
        for (int side = -1; side <= 1; side += 2) {
            double f = hz * (1.0 + side * 0.0018);
            double v = 0;
            for (int h = 1; h <= 5; ++h)
                v += std::sin(2 * kPi * f * h * t + h * side) / (h * std::sqrt(double(h)));
            mix.Add(first + i, v * env * 0.5, side * 0.6);
        }
    }
}

void Bass(Track& mix, double start, double length, int pitch, double level) {
    const double release = 0.08;
    double hz = MidiToHz(pitch);
    size_t first = Track::Frames(start);
    size_t count = Track::Frames(length + release);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / kRate;
        double gate = t < length ? 1.0 : 1.0 - (t - length) / release;
        double env = Strike(t, 0.008, 0.9) * gate * level;
        double w = 2 * kPi * hz * t;
        double v = std::sin(w) + 0.35 * std::sin(2 * w) + 0.12 * std::sin(3 * w);
        mix.Add(first + i, v * env, 0.0);
    }
}

// Two-operator FM: the bright attack mellows as the modulation index falls.
void Bell(Track& mix, double start, double length, int pitch, double level, double pan) {
    const double release = 0.25;
    double hz = MidiToHz(pitch);
    size_t first = Track::Frames(start);
    size_t count = Track::Frames(length + release);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / kRate;
        double gate = t < length ? 1.0 : 1.0 - (t - length) / release;
        double env = (0.55 + 0.45 * Strike(t, 0.006, 0.25)) * std::min(1.0, t / 0.006) * gate;
        double index = 0.8 + 2.2 * std::exp(-t / 0.12);
        double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.0 * t) * std::min(1.0, t / 0.4);
        double modulator = std::sin(2 * kPi * hz * 2.0 * t);
        double v = std::sin(2 * kPi * hz * vibrato * t + index * modulator);
        mix.Add(first + i, v * env * level, pan);
    }
}

void Drum(Track& mix, double start, double level) {
    size_t first = Track::Frames(start);
    size_t count = Track::Frames(0.5);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / kRate;
        phase += 2 * kPi * (52.0 + 48.0 * std::exp(-t / 0.04)) / kRate;
        double env = Strike(t, 0.003, 0.16) * std::max(0.0, 1.0 - t / 0.5);
        mix.Add(first + i, std::sin(phase) * env * level, 0.0);
    }
}

// Surf: low-passed noise swelling and falling over two bars, like waves on a shore.
void Tide(Track& mix, double level) {
    SeededRandom left(77), right(78);
    StateVariableFilter filterLeft, filterRight;
    for (size_t i = 0; i < mix.Size(); ++i) {
        double t = double(i) / kRate;
        double wave = 0.5 - 0.5 * std::cos(2 * kPi * t / (2 * kBar));
        double cutoff = 300.0 + 700.0 * wave;
        filterLeft.Tune(cutoff, 0.8, kRate);
        filterRight.Tune(cutoff * 1.1, 0.8, kRate);
        filterLeft.Process(left.Signed());
        filterRight.Process(right.Signed());
        double env = level * (0.25 + 0.75 * wave * wave);
        mix.Left()[i] += static_cast<float>(filterLeft.Low() * env);
        mix.Right()[i] += static_cast<float>(filterRight.Low() * env);
    }
}

// Ping-pong echo: the bus plays dry, and its repeats bounce between the sides, each
// `feedback` times the one before.
void Echo(Track& mix, Track& bus, double delaySeconds, double feedback, double wet) {
    size_t delay = Track::Frames(delaySeconds);
    std::vector<float>& l = bus.Left();
    std::vector<float>& r = bus.Right();
    std::vector<float> tapL(l.size(), 0.0f), tapR(r.size(), 0.0f);
    for (size_t i = delay; i < l.size(); ++i) {
        tapL[i] = static_cast<float>(r[i - delay] + tapR[i - delay] * feedback);
        tapR[i] = static_cast<float>(l[i - delay] + tapL[i - delay] * feedback);
    }
    for (size_t i = 0; i < l.size(); ++i) {
        mix.Left()[i] += l[i] + static_cast<float>(tapL[i] * wet);
        mix.Right()[i] += r[i] + static_cast<float>(tapR[i] * wet);
    }
}

} // namespace

void WriteMusic(const std::string& wavPath) {
    const double total = kLeadIn + kBars * kBar;
    Track mix(total);
    Track melody(total);
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kProgression[bar];
        double start = kLeadIn + bar * kBar;
        bool last = bar == kBars - 1;
        // The last chord is held shorter so its release ends inside the piece.
        double padLength = last ? 2 * kBeat : kBar;
        for (int pitch : chord.pad)
            Pad(mix, start, padLength, pitch, 0.09);
        if (last) {
            Bass(mix, start, 2 * kBeat, chord.bass, 0.32);
            continue;
        }
        Bass(mix, start, 1.5 * kBeat, chord.bass, 0.32);
        Bass(mix, start + 1.5 * kBeat, 0.5 * kBeat, chord.bass + 12, 0.2);
        Bass(mix, start + 2 * kBeat, 1.5 * kBeat, chord.bass, 0.28);
        Bass(mix, start + 3.5 * kBeat, 0.5 * kBeat, chord.bass + 7, 0.18);
        if (bar >= 4) {
            Drum(mix, start, 0.55);
            Drum(mix, start + 2 * kBeat, 0.3);
            if (bar % 4 == 3)
                Drum(mix, start + 3.5 * kBeat, 0.25);
        }
    }
    for (const Note& note : kMelody) {
        double level = note.bar < 4 ? 0.16 : 0.2;
        double pan = (note.pitch % 2 == 0) ? -0.2 : 0.2;
        double length = note.length * kBeat * 0.92;
        // The closing note ends early enough for its echoes to fade.
        if (note.bar == kBars - 1)
            length = 2.5 * kBeat;
        Bell(melody, kLeadIn + note.bar * kBar + note.beat * kBeat, length, note.pitch, level, pan);
    }
    Echo(mix, melody, 0.75 * kBeat, 0.35, 0.3);
    Tide(mix, 0.5);

    std::vector<float> stereo;
    stereo.reserve(mix.Size() * 2);
    for (size_t i = 0; i < mix.Size(); ++i) {
        stereo.push_back(mix.Left()[i]);
        stereo.push_back(mix.Right()[i]);
    }
    Normalise(stereo, 0.8f);
    FadeEnds(stereo, 2, static_cast<int>(kLeadIn * kRate), static_cast<int>(1.2 * kRate));
    WriteWav(wavPath, stereo, 2, kRate);
}
