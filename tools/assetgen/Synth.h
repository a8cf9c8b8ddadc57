#pragma once

#include <cmath>

// Building blocks shared by the sound effects and the music.

constexpr double kPi = 3.14159265358979323846;

// Attack-decay envelope: rises linearly over `attack` seconds, then falls exponentially with
// the given time constant.
inline double Strike(double t, double attack, double decay) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Attack, sustain for `hold`, then a release; zero before 0 and after hold + release.
inline double Swell(double t, double attack, double hold, double release) {
    if (t < 0 || t > hold + release)
        return 0;
    double level = t < attack ? t / attack : 1.0;
    if (t > hold)
        level *= 1.0 - (t - hold) / release;
    return level;
}

inline double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// Chamberlin state-variable filter: low-pass and band-pass outputs of one input.
class StateVariableFilter {
public:
    void Tune(double cutoffHz, double q, double sampleRate) {
        f_ = 2.0 * std::sin(kPi * cutoffHz / sampleRate);
        damping_ = 1.0 / q;
    }
    void Process(double in) {
        low_ += f_ * band_;
        double high = in - low_ - damping_ * band_;
        band_ += f_ * high;
    }
    double Low() const { return low_; }
    double Band() const { return band_; }

private:
    double f_ = 0.1, damping_ = 1.0, low_ = 0, band_ = 0;
};
