#include "tests/platform/ToneWav.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace tarnwick_test {
namespace {

void PutLittleEndian(std::vector<char>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutText(std::vector<char>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

void WriteToneWav(const std::filesystem::path& path, double seconds, WavFormat format,
                  double hertz) {
  const int bytesPerSample = format.bitsPerSample / 8;
  const auto frames = static_cast<uint32_t>(std::lround(seconds * format.samplesPerSecond));
  const uint32_t dataBytes = frames * format.channels * bytesPerSample;
  std::vector<char> out;
  PutText(out, "RIFF");
  PutLittleEndian(out, 36 + dataBytes, 4);
  PutText(out, "WAVEfmt ");
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, format.channels, 2);
  PutLittleEndian(out, format.samplesPerSecond, 4);
  PutLittleEndian(out, format.samplesPerSecond * format.channels * bytesPerSample, 4);
  PutLittleEndian(out, format.channels * bytesPerSample, 2);
  PutLittleEndian(out, format.bitsPerSample, 2);
  PutText(out, "data");
  PutLittleEndian(out, dataBytes, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double value =
        0.5 * std::sin(2.0 * std::numbers::pi * hertz * i / format.samplesPerSecond);
    for (int c = 0; c < format.channels; ++c) {
      if (bytesPerSample == 1) {
        PutLittleEndian(out, static_cast<uint32_t>(std::lround(128 + 127 * value)), 1);
      } else {
        const auto sample = static_cast<int16_t>(std::lround(32767 * value));
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
      }
    }
  }
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

}  // namespace tarnwick_test
