#include <cmath>
#include <vector>

#include "tools/assetgen/AssetGen.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Synth.h"
#include "tools/assetgen/Wav.h"

// The three combat sounds, synthesised: a blade striking armour, a bow loosing, an arrow
// thudding home.
namespace {

constexpr int kRate = 44100;

std::vector<float> Blank(double seconds) {
    return std::vector<float>(static_cast<size_t>(seconds * kRate), 0.0f);
}

void Finish(std::vector<float>& sound, float peak, const std::string& path) {
    Normalise(sound, peak);
    FadeEnds(sound, 1, kRate / 2000, kRate / 50);
    WriteWav(path, sound, 1, kRate);
}

// Inharmonic partials of struck metal, a scrape of noise on impact and a dull body thump.
std::vector<float> SwordHit() {
    std::vector<float> s = Blank(0.55);
    const double partials[][3] = {
        // ratio, level, decay seconds
        {1.00, 1.0, 0.20},  {2.76, 0.6, 0.12},  {5.40, 0.4, 0.08},
        {8.93, 0.25, 0.05}, {1.47, 0.35, 0.16}, {3.91, 0.3, 0.10},
    };
    const double base = 610.0;
    SeededRandom random(101);
    StateVariableFilter scrape;
    scrape.Tune(3200.0, 1.2, kRate);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double ring = 0;
        for (const auto& p : partials)
            ring += p[1] * std::sin(2 * kPi * base * p[0] * t) * Strike(t, 0.001, p[2]);
        scrape.Process(random.Signed());
        double noise = scrape.Band() * Strike(t, 0.0005, 0.025) * 1.6;
        double thump = std::sin(2 * kPi * 140.0 * t) * Strike(t, 0.002, 0.04) * 0.8;
        s[i] = static_cast<float>(ring * 0.6 + noise + thump);
    }
    return s;
}

// A low string twang dropping in pitch, and the whoosh of the arrow leaving.
std::vector<float> ArrowFire() {
    std::vector<float> s = Blank(0.45);
    SeededRandom random(202);
    StateVariableFilter air;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double pitch = 150.0 + 90.0 * std::exp(-t / 0.03);
        phase += 2 * kPi * pitch / kRate;
        double twang = (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase)) *
                       Strike(t, 0.002, 0.07);
        // The whoosh's band sweeps down as the arrow goes.
        air.Tune(2600.0 * std::exp(-t / 0.25) + 500.0, 2.0, kRate);
        air.Process(random.Signed());
        double whoosh = air.Band() * Swell(t - 0.01, 0.06, 0.05, 0.25) * 1.4;
        s[i] = static_cast<float>(twang * 0.8 + whoosh);
    }
    return s;
}

// A thud into wood or leather: a falling low tone, a short knock and a crack of noise.
std::vector<float> ArrowHit() {
    std::vector<float> s = Blank(0.35);
    SeededRandom random(303);
    StateVariableFilter crack;
    crack.Tune(1800.0, 0.9, kRate);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double pitch = 60.0 + 80.0 * std::exp(-t / 0.02);
        phase += 2 * kPi * pitch / kRate;
        double thud = std::sin(phase) * Strike(t, 0.001, 0.07);
        double knock = std::sin(2 * kPi * 720.0 * t) * Strike(t, 0.0005, 0.018) * 0.5;
        crack.Process(random.Signed());
        double noise = crack.Low() * Strike(t, 0.0005, 0.012) * 2.0;
        s[i] = static_cast<float>(thud + knock + noise);
    }
    return s;
}

} // namespace

void WriteSoundEffects(const std::string& dir) {
    std::vector<float> sword = SwordHit();
    Finish(sword, 0.85f, dir + "/Sounds/sword_hit.wav");
    std::vector<float> fire = ArrowFire();
    Finish(fire, 0.75f, dir + "/Sounds/arrow_fire.wav");
    std::vector<float> hit = ArrowHit();
    Finish(hit, 0.85f, dir + "/Sounds/arrow_hit.wav");
}
