#pragma once
// The clip files' format: a RIFF WAVE file of PCM samples, 8 or 16 bits,
// mono or stereo, at any rate. Anything else is refused as a file that
// "cannot be read as a WAV clip", with the reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sound {

struct WavFormat {
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  uint16_t BlockAlign() const { return static_cast<uint16_t>(channels * bitsPerSample / 8); }
};

struct WavClip {
  WavFormat format;
  // The whole frames of the data chunk, inside the bytes that were read.
  std::string_view samples;
  uint32_t Frames() const { return static_cast<uint32_t>(samples.size() / format.BlockAlign()); }
  // The length, rounded to the nearest millisecond.
  int64_t Milliseconds() const;
};

struct WavReading {
  std::optional<WavClip> clip;
  // Why not, when there is no clip: "cannot be read as a WAV clip (...)".
  std::string problem;
};

// Reads a WAV file's bytes; the clip's samples point into them.
WavReading ReadWav(std::string_view bytes);

// The whole file, or nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

}  // namespace sound
