// The SDL2_mixer sound device on its dummy driver: clips loaded from WAV
// files, played on their slots' channels, their ends waking the wait; what
// reaches the output (where a clip is heard, the beep); and what a wait for
// a clip costs the processor.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sound/PanLaw.h"
#include "tests/platform/OutputTap.h"
#include "tests/platform/QtTestSupport.h"
#include "tests/platform/SoundFixture.h"

namespace {

using namespace std::chrono_literals;
using sound::ClipSlot;
using tarnwick_test::OutputTap;
using tarnwick_test::SoundFixture;
using tarnwick_test::WaitResult;
using tarnwick_test::WavFormat;

// The pan scale: hundredths of a decibel off the far channel.
struct PanCase {
  int32_t pan;
  int left;
  int right;
};

TEST(PanLaw, FarChannelLosesAHundredthOfADecibelPerStep) {
  const PanCase cases[] = {
      {-10000, 255, 0},                    // full left: the right channel is silent
      {-980, 255, 83},                     // 9.8 dB down: 255 x 0.3236
      {0, 255, 255},    {1000, 81, 255},   // 10 dB down: 255 x 0.3162
      {10000, 0, 255},  {-12000, 255, 0},  // beyond the scale: clamped
      {20, 249, 255},                      // one column right of centre in the editor's steps
  };
  for (const PanCase& c : cases) {
    const sound::ChannelGains gains = sound::PanToGains(c.pan);
    EXPECT_EQ(gains.left, c.left) << "pan " << c.pan;
    EXPECT_EQ(gains.right, c.right) << "pan " << c.pan;
  }
}

using SdlSoundDeviceTest = SoundFixture;

TEST_F(SdlSoundDeviceTest, ClipEndWakesTheWaitAndAnEndedClipStopsHarmlesslyAndPlaysAgain) {
  auto clip = ToneClip("tone.wav", 0.3, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  EXPECT_FALSE(clip->IsPlaying()) << "a new clip is stopped";
  for (int round = 0; round < 2; ++round) {
    clip->Play();
    EXPECT_TRUE(clip->IsPlaying());
    const WaitResult wait = WaitForEnd(*clip, 3s);
    std::printf("300 ms clip: wait %.1f ms, %d yields\n", wait.milliseconds, wait.yields);
    EXPECT_TRUE(wait.ended);
    EXPECT_GE(wait.milliseconds, 250.0) << "the whole clip, from its start";
    EXPECT_LT(wait.milliseconds, 800.0);
    EXPECT_LE(wait.yields, 10) << "the wait spins instead of blocking";
    EXPECT_GE(ends_.load(), round + 1);
    clip->Stop();
    EXPECT_FALSE(clip->IsPlaying());
    clip->SetPosition(0);
    clip->SetPan(-1000);
  }
}

TEST_F(SdlSoundDeviceTest, StopSilencesOnlyItsOwnClip) {
  auto step = ToneClip("step.wav", 1.0, ClipSlot::Step);
  auto first = ToneClip("first.wav", 1.0, ClipSlot::Current);
  ASSERT_NE(step, nullptr);
  ASSERT_NE(first, nullptr);
  step->Play();
  first->Play();
  EXPECT_TRUE(step->IsPlaying());
  EXPECT_TRUE(first->IsPlaying()) << "a step and a clip sound together";

  // A newer clip in the same slot takes the channel over.
  auto second = ToneClip("second.wav", 1.0, ClipSlot::Current);
  ASSERT_NE(second, nullptr);
  second->Play();
  EXPECT_FALSE(first->IsPlaying());
  first->Stop();
  first.reset();
  EXPECT_TRUE(second->IsPlaying()) << "stopping or releasing the old clip leaves the new one";
  EXPECT_TRUE(step->IsPlaying());

  second->Stop();
  EXPECT_FALSE(second->IsPlaying());
  EXPECT_TRUE(step->IsPlaying());
  step.reset();  // releasing a clip silences it
  auto announcement = ToneClip("number.wav", 1.0, ClipSlot::Announcement);
  ASSERT_NE(announcement, nullptr);
  announcement->Play();
  EXPECT_TRUE(announcement->IsPlaying());
}

TEST_F(SdlSoundDeviceTest, FilesThatAreNoWavGiveNoClip) {
  std::ofstream(folder_.Path() / "notes.wav") << "not a sound at all";
  std::ofstream(folder_.Path() / "empty.wav");
  std::filesystem::create_directory(folder_.Path() / "folder.wav");
  for (const char* name : {"missing.wav", "notes.wav", "empty.wav", "folder.wav"}) {
    EXPECT_EQ(device_.CreateClip(folder_.Path() / name, ClipSlot::Current), nullptr) << name;
  }
}

TEST_F(SdlSoundDeviceTest, CommonWavFormatsPlayAtTheirOwnSpeed) {
  for (const WavFormat& format : {WavFormat{1, 11025, 8}, WavFormat{2, 44100, 16}}) {
    const std::string name = std::to_string(format.samplesPerSecond) + ".wav";
    auto clip = device_.CreateClip(Tone(name, 0.4, format), ClipSlot::Current);
    ASSERT_NE(clip, nullptr) << name;
    clip->Play();
    const WaitResult wait = WaitForEnd(*clip, 3s);
    EXPECT_TRUE(wait.ended) << name;
    EXPECT_GE(wait.milliseconds, 340.0) << name;
    EXPECT_LT(wait.milliseconds, 900.0) << name;
  }
}

TEST_F(SdlSoundDeviceTest, ClipsOfAClosedDeviceFallSilentAndStayInert) {
  auto clip = ToneClip("tone.wav", 1.0, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  clip->Play();
  device_.Close();
  EXPECT_FALSE(clip->IsPlaying());
  clip->SetPan(500);
  clip->Play();
  clip->Stop();
  EXPECT_FALSE(clip->IsPlaying());
  EXPECT_EQ(device_.CreateClip(folder_.Path() / "tone.wav", ClipSlot::Current), nullptr);

  std::string reason;
  ASSERT_TRUE(device_.Open(reason)) << reason;
  clip->Play();
  EXPECT_FALSE(clip->IsPlaying()) << "a clip of the earlier opening stays silent";
  auto fresh = device_.CreateClip(folder_.Path() / "tone.wav", ClipSlot::Current);
  ASSERT_NE(fresh, nullptr);
  fresh->Play();
  EXPECT_TRUE(fresh->IsPlaying());
}

TEST(SdlSoundDeviceOpen, FailsWithTheReasonWhenNoOutputCanBeOpened) {
  tarnwick_test::TestApplication();
  const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  sound::SdlSoundDevice device;
  std::string reason;
  const bool opened = device.Open(reason);
  qputenv("SDL_AUDIODRIVER", driver);
  EXPECT_FALSE(opened);
  EXPECT_NE(reason.find("audio"), std::string::npos) << reason;
  EXPECT_EQ(device.CreateClip("anything.wav", ClipSlot::Current), nullptr);
}

class SoundOutputTest : public SoundFixture {
 protected:
  // The end of a clip is reported while its last buffer is being mixed, so
  // that buffer reaches the tap a moment later: let it pass, then start
  // counting afresh.
  void SettleAndReset(OutputTap& tap) {
    YieldUntil([] { return false; }, 50ms);
    tap.Reset();
  }
};

// The right channel's energy over the left's: 1 at centre.
double Balance(const OutputTap& tap) { return tap.Right() / tap.Left(); }

TEST_F(SoundOutputTest, PanSetsTheBalanceOfEachPlayAndIsNotInheritedByTheNextClip) {
  OutputTap tap;
  auto step = ToneClip("step.wav", 0.25, ClipSlot::Step);
  ASSERT_NE(step, nullptr);
  struct Case {
    int32_t pan;
    double minBalance;
    double maxBalance;
  };
  // Energy goes with the square of the gain: 10 dB down is a tenth.
  const Case cases[] = {{-10000, 0.0, 1e-6}, {1000, 9.0, 11.0}, {0, 0.95, 1.05}};
  for (const Case& c : cases) {
    step->Stop();
    step->SetPosition(0);
    step->SetPan(c.pan);
    SettleAndReset(tap);
    step->Play();
    step->Play();  // played again while sounding: the pan holds throughout
    ASSERT_TRUE(WaitForEnd(*step, 3s).ended);
    EXPECT_GT(tap.Left() + tap.Right(), 0.0) << "pan " << c.pan;
    EXPECT_GE(Balance(tap), c.minBalance) << "pan " << c.pan;
    EXPECT_LE(Balance(tap), c.maxBalance) << "pan " << c.pan;
  }
  // A clip that was never panned sounds at centre, whatever came before it.
  step->SetPan(-10000);
  auto clip = ToneClip("clip.wav", 0.25, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  SettleAndReset(tap);
  clip->Play();
  ASSERT_TRUE(WaitForEnd(*clip, 3s).ended);
  EXPECT_NEAR(Balance(tap), 1.0, 0.05);
  // A pan set during play takes effect at once: at most a buffer or two
  // went out centred.
  SettleAndReset(tap);
  clip->Play();
  clip->SetPan(10000);
  ASSERT_TRUE(WaitForEnd(*clip, 3s).ended);
  EXPECT_GT(Balance(tap), 10.0);
}

TEST_F(SoundOutputTest, BeepIsAShortCentredTone) {
  OutputTap tap;
  const int endsBefore = ends_.load();
  device_.PlayBeep();
  ASSERT_TRUE(YieldUntil([&] { return ends_.load() > endsBefore; }, 2s)) << "the beep ends";
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
