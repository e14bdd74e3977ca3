// Numbers spoken as word clips: the queue's contents for each number.
#include <gtest/gtest.h>

#include "sound/SpokenNumbers.h"
#include "tests/sound/SoundHarness.h"

namespace {

using Clips = std::vector<std::string>;

struct NumberHarness : soundtest::Harness {
  sound::AnnouncementQueue queue{clips};
  sound::SpokenNumbers numbers{queue};

  Clips Queued() const {
    Clips out;
    for (int p = 1; p <= queue.Count(); ++p) out.push_back(queue.Entry(p));
    return out;
  }
  Clips Speak(int32_t value, bool asDigits = false) {
    numbers.NumberValue = value;
    numbers.SpeakNumber(asDigits);
    return Queued();
  }
};

struct WordCase {
  int32_t value;
  bool asDigits;
  Clips clips;
};

class SpeakNumberWords : public testing::TestWithParam<WordCase> {};

TEST_P(SpeakNumberWords, QueuesTheWordClips) {
  NumberHarness h;
  h.queue.QueueClip("quit.wav");  // whatever was being announced goes
  EXPECT_EQ(h.Speak(GetParam().value, GetParam().asDigits), GetParam().clips);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SpeakNumberWords,
    testing::Values(WordCase{7, false, {"7.wav"}}, WordCase{11, false, {"11.wav"}},
                    WordCase{42, false, {"40.wav", "2.wav"}},
                    WordCase{105, false, {"1.wav", "hundred.wav", "5.wav"}},
                    WordCase{1010, false, {"1.wav", "thousand.wav", "10.wav"}},
                    WordCase{20000, false, {"20.wav", "thousand.wav"}},
                    WordCase{105000, false, {"1.wav", "hundred.wav", "5.wav", "thousand.wav"}},
                    WordCase{1000000, false, {"1.wav", "million.wav"}},
                    WordCase{1000234,
                             false,
                             {"1.wav", "million.wav", "2.wav", "hundred.wav", "30.wav", "4.wav"}},
                    WordCase{9999999,
                             false,
                             {"9.wav", "million.wav", "9.wav", "hundred.wav", "90.wav", "9.wav",
                              "thousand.wav", "9.wav", "hundred.wav", "90.wav", "9.wav"}},
                    WordCase{0, false, {"0.wav", "say points.wav"}},
                    // Digit mode speaks every digit, zeros included.
                    WordCase{105, true, {"1.wav", "0.wav", "5.wav"}},
                    WordCase{0, true, {"0.wav", "say points.wav"}},
                    // Eight digits and negatives queue nothing.
                    WordCase{10000000, false, {}}, WordCase{-5, false, {}},
                    WordCase{-5, true, {}}));

TEST(SpeakCoordinate, PicksTheDigitGroupByLengthAndQueuesWithoutClearing) {
  NumberHarness h;
  Clips expected;
  struct Case {
    int16_t value;
    Clips clips;
  };
  for (const Case& c : {Case{7, {"7.wav"}}, Case{12, {"12.wav"}}, Case{50, {"50.wav"}},
                        Case{99, {"90.wav", "9.wav"}}, Case{100, {"1.wav", "hundred.wav"}}}) {
    h.numbers.SpeakCoordinate(c.value);
    expected.insert(expected.end(), c.clips.begin(), c.clips.end());
    EXPECT_EQ(h.Queued(), expected) << c.value;
    EXPECT_EQ(h.numbers.NumberValue, c.value);
    EXPECT_TRUE(h.numbers.NumberText.empty()) << c.value;
  }
}

}  // namespace
