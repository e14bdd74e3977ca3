#include "sound/WavFile.h"

#include <fstream>
#include <sstream>

namespace sound {
namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kExtensible = 0xFFFE;

uint32_t Le(std::string_view bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  }
  return value;
}

WavReading Refused(const std::string& why) {
  return {std::nullopt, "cannot be read as a WAV clip (" + why + ")"};
}

// The format chunk's PCM description, or why it is not one.
std::optional<std::string> ReadFormat(std::string_view chunk, WavFormat& format) {
  if (chunk.size() < 16) return "its format chunk is cut short";
  uint16_t tag = static_cast<uint16_t>(Le(chunk, 0, 2));
  // The extensible header names its real format in its first sub-format bytes.
  if (tag == kExtensible && chunk.size() >= 26) tag = static_cast<uint16_t>(Le(chunk, 24, 2));
  if (tag != kPcm) return "its samples are not PCM";
  format.channels = static_cast<uint16_t>(Le(chunk, 2, 2));
  format.sampleRate = Le(chunk, 4, 4);
  format.bitsPerSample = static_cast<uint16_t>(Le(chunk, 14, 2));
  if (format.channels != 1 && format.channels != 2) {
    return "it has " + std::to_string(format.channels) + " channels, not 1 or 2";
  }
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
    return "its samples have " + std::to_string(format.bitsPerSample) + " bits, not 8 or 16";
  }
  if (format.sampleRate == 0) return "its sample rate is 0";
  return std::nullopt;
}

}  // namespace

int64_t WavClip::Milliseconds() const {
  return (int64_t{Frames()} * 1000 + format.sampleRate / 2) / format.sampleRate;
}

WavReading ReadWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return Refused("it does not start as a RIFF WAVE file");
  }
  std::optional<WavFormat> format;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const uint32_t size = Le(bytes, at + 4, 4);
    at += 8;
    if (size > bytes.size() - at) {
      const std::string name(id.substr(0, id.find_last_not_of(' ') + 1));
      return Refused("its " + name + " chunk runs past the end of the file");
    }
    const std::string_view chunk = bytes.substr(at, size);
    if (id == "fmt ") {
      format.emplace();
      if (const auto problem = ReadFormat(chunk, *format)) return Refused(*problem);
    } else if (id == "data") {
      if (!format) return Refused("its samples come before their format");
      WavClip clip{*format, chunk};
      clip.samples = chunk.substr(0, size_t{clip.Frames()} * format->BlockAlign());
      return {clip, {}};
    }
    // Chunks are padded to an even length.
    at += size + (size % 2);
  }
  return Refused(format ? "it has no samples" : "it has no format chunk");
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace sound
