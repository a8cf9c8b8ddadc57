#pragma once

#include <string>
#include <vector>

// 16-bit PCM WAV from samples in [-1, 1], interleaved when there are two channels. Values
// beyond the range are clipped.
void WriteWav(const std::string& path, const std::vector<float>& samples, int channels,
              int sampleRate);

// Short fades at both ends so a sound starts and stops at zero without a click.
void FadeEnds(std::vector<float>& samples, int channels, int fadeInFrames, int fadeOutFrames);

// Scales the samples so the loudest one has the given magnitude.
void Normalise(std::vector<float>& samples, float peak);
