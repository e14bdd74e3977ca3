#pragma once
// WAV files written for the sound tests: a steady tone in a chosen format.

#include <filesystem>

namespace tarnwick_test {

struct WavFormat {
  int channels;
  int samplesPerSecond;
  int bitsPerSample;  // 8 (unsigned) or 16 (signed)
};

inline constexpr WavFormat kClipWavFormat{1, 22050, 16};

void WriteToneWav(const std::filesystem::path& path, double seconds,
                  WavFormat format = kClipWavFormat, double hertz = 440.0);

}  // namespace tarnwick_test
