// The clip files' reader on good and spoilt headers.

#include <gtest/gtest.h>

#include "sound/WavFile.h"

namespace {

struct Header {
  uint16_t tag = 1, channels = 1;
  uint32_t rate = 22050;
  uint16_t bits = 16;
  uint32_t dataBytes = 8;   // as the header states it
  size_t samplesGiven = 8;  // as the file holds them
  bool listChunk = false;   // an odd-sized chunk before the data
};

std::string Le(uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
  return out;
}

std::string Wav(const Header& h) {
  std::string body = "WAVEfmt " + Le(16, 4) + Le(h.tag, 2) + Le(h.channels, 2) + Le(h.rate, 4) +
                     Le(h.rate * h.channels * h.bits / 8, 4) + Le(h.channels * h.bits / 8, 2) +
                     Le(h.bits, 2);
  if (h.listChunk) body += "LIST" + Le(3, 4) + "abc" + '\0';
  body += "data" + Le(h.dataBytes, 4) + std::string(h.samplesGiven, '\x7f');
  return "RIFF" + Le(static_cast<uint32_t>(body.size()), 4) + body;
}

TEST(WavFile, ReadsPcmClipsAndRefusesEverythingElse) {
  struct Case {
    const char* what;
    std::string bytes;
    uint32_t frames;  // 0: refused
    const char* problem;
  };
  const std::string good = Wav({});
  const Case cases[] = {
      {"16-bit mono", good, 4, ""},
      {"8-bit stereo at 8 kHz", Wav({.channels = 2, .rate = 8000, .bits = 8}), 4, ""},
      {"16-bit stereo, odd chunk before the data", Wav({.channels = 2, .listChunk = true}), 2, ""},
      {"a half frame at the end is left out", Wav({.dataBytes = 7, .samplesGiven = 7}), 3, ""},
      {"truncated in the format", good.substr(0, 30), 0, "its fmt chunk runs past the end"},
      {"truncated before any chunk", good.substr(0, 10), 0, "does not start as a RIFF WAVE"},
      {"not PCM (IEEE float)", Wav({.tag = 3, .bits = 32}), 0, "not PCM"},
      {"0 channels", Wav({.channels = 0}), 0, "0 channels"},
      {"24-bit samples", Wav({.bits = 24, .dataBytes = 6, .samplesGiven = 6}), 0, "24 bits"},
      {"rate 0", Wav({.rate = 0}), 0, "sample rate is 0"},
      {"data size past the end", Wav({.dataBytes = 4000}), 0, "data chunk runs past the end"},
      {"no data chunk", good.substr(0, 36), 0, "has no samples"},
      {"not RIFF", "RIFX" + good.substr(4), 0, "does not start as a RIFF WAVE"},
  };
  for (const Case& c : cases) {
    const sound::WavReading reading = sound::ReadWav(c.bytes);
    if (c.frames == 0) {
      EXPECT_FALSE(reading.clip) << c.what;
      EXPECT_NE(reading.problem.find("cannot be read as a WAV clip"), std::string::npos) << c.what;
      EXPECT_NE(reading.problem.find(c.problem), std::string::npos)
          << c.what << ": " << reading.problem;
    } else {
      ASSERT_TRUE(reading.clip) << c.what << ": " << reading.problem;
      EXPECT_EQ(reading.clip->Frames(), c.frames) << c.what;
    }
  }
  // A second of samples lasts 1000 ms whatever their size.
  const auto second =
      sound::ReadWav(Wav({.channels = 2, .rate = 8000, .dataBytes = 32000, .samplesGiven = 32000}));
  ASSERT_TRUE(second.clip);
  EXPECT_EQ(second.clip->Milliseconds(), 1000);
}

}  // namespace
