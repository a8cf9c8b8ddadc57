#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <SDL_mixer.h>

// Small sound files made in memory, the audio driver the tests need, and a look at
// whether the device is open.
namespace audio_files {

// Appends `value` as `bytes` little-endian bytes.
inline void Append(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xff);
    }
}

// A mono 16-bit PCM WAV file at 22050 Hz holding a quiet 440 Hz tone.
inline std::string Wave(int milliseconds) {
    const std::uint32_t rate = 22050, frames = rate * milliseconds / 1000;
    std::string out = "RIFF";
    Append(out, 36 + frames * 2, 4);
    out += "WAVEfmt ";
    Append(out, 16, 4);
    Append(out, 1, 2); // PCM
    Append(out, 1, 2); // mono
    Append(out, rate, 4);
    Append(out, rate * 2, 4);
    Append(out, 2, 2);
    Append(out, 16, 2);
    out += "data";
    Append(out, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * 3.14159265358979 * 440.0 * i / rate;
        Append(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(3000 * std::sin(phase))),
               2);
    }
    return out;
}

// An MPEG-1 layer III file of silent frames (128 kbit/s, 44.1 kHz, stereo, 417 bytes with
// no padding). With every side-information bit zero a frame carries no sound data and
// decodes to 1152 samples of silence, about 26 ms.
inline std::string SilentMp3(int frames) {
    std::string out;
    for (int i = 0; i < frames; ++i) {
        out += std::string("\xff\xfb\x90\x04", 4) + std::string(413, '\0');
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

// Points SDL at an audio driver that does not exist for the life of this object. Made
// after UseDummyDriver, so there is always a driver name to put back.
struct NoAudioDriver {
    NoAudioDriver() { setenv("SDL_AUDIODRIVER", "vornak-no-such-driver", 1); }
    ~NoAudioDriver() { setenv("SDL_AUDIODRIVER", previous.c_str(), 1); }
    const std::string previous = std::getenv("SDL_AUDIODRIVER");
};

} // namespace audio_files
