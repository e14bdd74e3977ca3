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
  Clips clips;
};

class SpeakNumberWords : public testing::TestWithParam<WordCase> {};

TEST_P(SpeakNumberWords, QueuesTheWordClips) {
  NumberHarness h;
  EXPECT_EQ(h.Speak(GetParam().value), GetParam().clips);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SpeakNumberWords,
    testing::Values(
        WordCase{1, {"1.wav"}}, WordCase{7, {"7.wav"}}, WordCase{10, {"10.wav"}},
        WordCase{11, {"11.wav"}}, WordCase{20, {"20.wav"}}, WordCase{42, {"40.wav", "2.wav"}},
        WordCase{100, {"1.wav", "hundred.wav"}},
        WordCase{105, {"1.wav", "hundred.wav", "5.wav"}},
        WordCase{1010, {"1.wav", "thousand.wav", "10.wav"}},
        WordCase{2000, {"2.wav", "thousand.wav"}},
        WordCase{15000, {"15.wav", "thousand.wav"}},
        WordCase{20000, {"20.wav", "thousand.wav"}},
        WordCase{105000, {"1.wav", "hundred.wav", "5.wav", "thousand.wav"}},
        WordCase{1000000, {"1.wav", "million.wav"}},
        WordCase{1000234, {"1.wav", "million.wav", "2.wav", "hundred.wav", "30.wav", "4.wav"}},
        WordCase{1010101, {"1.wav", "million.wav", "10.wav", "thousand.wav", "1.wav",
                           "hundred.wav", "1.wav"}},
        WordCase{9999999, {"9.wav", "million.wav", "9.wav", "hundred.wav", "90.wav", "9.wav",
                           "thousand.wav", "9.wav", "hundred.wav", "90.wav", "9.wav"}},
        WordCase{0, {"0.wav", "say points.wav"}}));

TEST(SpeakNumber, DigitModeSpeaksEveryDigitZerosIncluded) {
  NumberHarness h;
  EXPECT_EQ(h.Speak(105, true), (Clips{"1.wav", "0.wav", "5.wav"}));
  EXPECT_EQ(h.numbers.NumberText, "105");
  EXPECT_EQ(h.Speak(0, true), (Clips{"0.wav", "say points.wav"}));
}

TEST(SpeakNumber, EightDigitsAndNegativesQueueNothingButStillClear) {
  NumberHarness h;
  h.queue.QueueClip("quit.wav");
  EXPECT_TRUE(h.Speak(10000000).empty());
  h.queue.QueueClip("quit.wav");
  EXPECT_TRUE(h.Speak(-5).empty());
  EXPECT_TRUE(h.Speak(-5, true).empty());
}

TEST(SpeakNumber, ANewNumberReplacesTheOneBeingAnnounced) {
  NumberHarness h;
  h.Speak(42);
  EXPECT_EQ(h.Speak(7), Clips{"7.wav"});
}

TEST(SpeakCoordinate, PicksTheDigitGroupByLengthAndConsumesTheText) {
  struct Case {
    int16_t value;
    Clips clips;
  };
  for (const Case& c : {Case{7, {"7.wav"}}, Case{12, {"12.wav"}}, Case{50, {"50.wav"}},
                        Case{99, {"90.wav", "9.wav"}}, Case{100, {"1.wav", "hundred.wav"}}}) {
    NumberHarness h;
    h.numbers.SpeakCoordinate(c.value);
    EXPECT_EQ(h.Queued(), c.clips) << c.value;
    EXPECT_EQ(h.numbers.NumberValue, c.value);
    EXPECT_TRUE(h.numbers.NumberText.empty()) << c.value;
  }
}

TEST(SpeakCoordinate, TwoCoordinatesFollowEachOtherWithoutClearing) {
  NumberHarness h;
  h.numbers.SpeakCoordinate(7);
  h.numbers.SpeakCoordinate(12);
  EXPECT_EQ(h.Queued(), (Clips{"7.wav", "12.wav"}));
}

}  // namespace
