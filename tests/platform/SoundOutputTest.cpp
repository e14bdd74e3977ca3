// What reaches the output: where a clip is heard, the beep, and what a wait
// for a clip costs the processor.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <limits>

#include "tests/platform/OutputTap.h"
#include "tests/platform/SoundFixture.h"

namespace {

using namespace std::chrono_literals;
using sound::ClipSlot;
using tarnwick_test::OutputTap;
using tarnwick_test::SoundFixture;
using tarnwick_test::WaitResult;

class SoundOutputTest : public SoundFixture {
 protected:
  // The end of a clip is reported while its last buffer is being mixed, so
  // that buffer reaches the tap a moment later: let it pass, then start
  // counting afresh.
  void SettleAndReset(OutputTap& tap) {
    YieldFor(50ms);
    tap.Reset();
  }
};

// The right channel's energy over the left's: 1 at centre.
double Balance(const OutputTap& tap) { return tap.Right() / tap.Left(); }

TEST_F(SoundOutputTest, PanSetsTheBalanceOfEachPlay) {
  OutputTap tap;
  auto step = ToneClip("step.wav", 0.25, ClipSlot::Step);
  ASSERT_NE(step, nullptr);
  struct Case {
    int32_t pan;
    double minBalance;
    double maxBalance;
  };
  // Energy goes with the square of the gain: 10 dB down is a tenth.
  constexpr double kEndless = std::numeric_limits<double>::infinity();
  const Case cases[] = {{-10000, 0.0, 1e-6},
                        {-1000, 0.09, 0.11},
                        {0, 0.95, 1.05},
                        {1000, 9.0, 11.0},
                        {10000, 1e6, kEndless}};
  for (const Case& c : cases) {
    step->Stop();
    step->SetPosition(0);
    step->SetPan(c.pan);
    SettleAndReset(tap);
    step->Play();
    ASSERT_TRUE(WaitForEnd(*step, 3s).ended);
    EXPECT_GT(tap.Left() + tap.Right(), 0.0) << "pan " << c.pan;
    EXPECT_GE(Balance(tap), c.minBalance) << "pan " << c.pan;
    EXPECT_LE(Balance(tap), c.maxBalance) << "pan " << c.pan;
  }
}

TEST_F(SoundOutputTest, PanSurvivesARestartAndIsNotInheritedByTheNextClip) {
  OutputTap tap;
  auto first = ToneClip("first.wav", 0.3, ClipSlot::Current);
  ASSERT_NE(first, nullptr);
  first->SetPan(-10000);
  first->Play();
  YieldFor(100ms);
  ASSERT_TRUE(first->IsPlaying());
  // Played again while still sounding: heard on the left only throughout.
  first->Play();
  ASSERT_TRUE(WaitForEnd(*first, 3s).ended);
  EXPECT_LT(Balance(tap), 1e-6);

  // A clip that was never panned sounds at centre, whatever came before it.
  auto second = ToneClip("second.wav", 0.3, ClipSlot::Current);
  ASSERT_NE(second, nullptr);
  SettleAndReset(tap);
  second->Play();
  ASSERT_TRUE(WaitForEnd(*second, 3s).ended);
  EXPECT_NEAR(Balance(tap), 1.0, 0.05);
}

TEST_F(SoundOutputTest, PanSetDuringPlayTakesEffectAtOnce) {
  OutputTap tap;
  auto clip = ToneClip("clip.wav", 0.5, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  clip->Play();
  clip->SetPan(10000);
  ASSERT_TRUE(WaitForEnd(*clip, 3s).ended);
  // At most the first buffer or two went out centred.
  EXPECT_GT(Balance(tap), 10.0);
}

TEST_F(SoundOutputTest, BeepIsAShortCentredTone) {
  OutputTap tap;
  const int endsBefore = ends_.load();
  device_.PlayBeep();
  ASSERT_TRUE(WaitForEnds(endsBefore + 1, 2s)) << "the beep ends";
  EXPECT_GT(tap.Left(), 0.0);
  EXPECT_NEAR(Balance(tap), 1.0, 1e-9);
}

TEST_F(SoundOutputTest, WaitingForATwoSecondClipBarelyUsesTheProcessor) {
  auto clip = ToneClip("long.wav", 2.0, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  clip->Play();
  const WaitResult wait = WaitForEnd(*clip, 5s);
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  ASSERT_TRUE(wait.ended);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  const double cpu = seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) -
                     seconds(before.ru_stime);
  const double share = cpu / (wait.milliseconds / 1000.0);
  std::printf("2 s clip wait: %.0f ms, %d yields, %.1f ms user+system CPU (%.2f %% of a core)\n",
              wait.milliseconds, wait.yields, cpu * 1000.0, share * 100.0);
  EXPECT_LT(share, 0.20);
}

}  // namespace
