#include "tools/assetgen/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}
} // namespace

void WriteWav(const std::string& path, const std::vector<float>& samples, int channels,
              int sampleRate) {
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, static_cast<uint32_t>(channels));
    Put32(out, static_cast<uint32_t>(sampleRate));
    Put32(out, static_cast<uint32_t>(sampleRate * channels * 2));
    Put16(out, static_cast<uint32_t>(channels * 2));
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put16(out, static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xffff);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void FadeEnds(std::vector<float>& samples, int channels, int fadeInFrames, int fadeOutFrames) {
    size_t frames = samples.size() / channels;
    for (size_t f = 0; f < frames; ++f) {
        float gain = 1.0f;
        if (fadeInFrames > 0 && f < static_cast<size_t>(fadeInFrames))
            gain = static_cast<float>(f) / fadeInFrames;
        size_t fromEnd = frames - 1 - f;
        if (fadeOutFrames > 0 && fromEnd < static_cast<size_t>(fadeOutFrames))
            gain = std::min(gain, static_cast<float>(fromEnd) / fadeOutFrames);
        for (int c = 0; c < channels; ++c)
            samples[f * channels + c] *= gain;
    }
}

void Normalise(std::vector<float>& samples, float peak) {
    float loudest = 0.0f;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0.0f)
        return;
    for (float& s : samples)
        s *= peak / loudest;
}
