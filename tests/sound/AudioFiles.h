#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <SDL_mixer.h>

// Small sound files made in memory for the sound tests, the audio driver they need, and a
// look at whether the device is open.
namespace audio_files {

inline void Append16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>(value >> 8);
}

inline void Append32(std::string& out, std::uint32_t value) {
    Append16(out, static_cast<std::uint16_t>(value & 0xffff));
    Append16(out, static_cast<std::uint16_t>(value >> 16));
}

// A mono 16-bit PCM WAV file holding a quiet 440 Hz tone.
inline std::string Wave(int milliseconds, int rate = 22050) {
    const std::uint32_t frames = static_cast<std::uint32_t>(rate) * milliseconds / 1000;
    const std::uint32_t dataBytes = frames * 2;
    std::string out = "RIFF";
    Append32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Append32(out, 16);
    Append16(out, 1); // PCM
    Append16(out, 1); // mono
    Append32(out, rate);
    Append32(out, rate * 2);
    Append16(out, 2);
    Append16(out, 16);
    out += "data";
    Append32(out, dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * 3.14159265358979 * 440.0 * i / rate;
        Append16(out,
                 static_cast<std::uint16_t>(static_cast<std::int16_t>(3000 * std::sin(phase))));
    }
    return out;
}

// An MPEG-1 layer III file of silent frames (128 kbit/s, 44.1 kHz, stereo). With every
// side-information bit zero a frame carries no sound data and decodes to 1152 samples of
// silence, about 26 ms.
inline std::string SilentMp3(int frames) {
    const std::size_t frameBytes = 144 * 128000 / 44100; // 417, no padding
    std::string out;
    for (int i = 0; i < frames; ++i) {
        std::string frame(frameBytes, '\0');
        frame[0] = static_cast<char>(0xff);
        frame[1] = static_cast<char>(0xfb);
        frame[2] = static_cast<char>(0x90);
        frame[3] = static_cast<char>(0x04);
        out += frame;
    }
    return out;
}

inline bool DeviceOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

// SDL's silent driver, unless the test command already chose one.
inline void UseDummyDriver() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

// Points SDL at an audio driver that does not exist for the life of this object.
class NoAudioDriver {
public:
    NoAudioDriver() {
        const char* current = std::getenv("SDL_AUDIODRIVER");
        had_ = current != nullptr;
        previous_ = had_ ? current : "";
        setenv("SDL_AUDIODRIVER", "vornak-no-such-driver", 1);
    }
    ~NoAudioDriver() {
        if (had_) {
            setenv("SDL_AUDIODRIVER", previous_.c_str(), 1);
        } else {
            unsetenv("SDL_AUDIODRIVER");
        }
    }
    NoAudioDriver(const NoAudioDriver&) = delete;
    NoAudioDriver& operator=(const NoAudioDriver&) = delete;

private:
    bool had_ = false;
    std::string previous_;
};

} // namespace audio_files
