// The pan law, numbers in words, the announcement queue's limit, the
// mixer's sleep through silence, and the trace lines of what is heard.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>

#include "sound/ClipPlayback.h"
#include "sound/ClipTrace.h"
#include "sound/PanLaw.h"
#include "sound/SilenceGate.h"
#include "sound/SpokenNumbers.h"
#include "tests/support/Fakes.h"

namespace {

TEST(PanLaw, TakesTheFarChannelDownByHundredthsOfADecibel) {
  struct Case {
    int32_t pan;
    int left, right;
  };
  for (const Case c : {Case{0, 255, 255}, Case{2000, 26, 255}, Case{-1000, 255, 81},
                       Case{-10000, 255, 0}, Case{10000, 0, 255}, Case{40000, 0, 255}}) {
    const sound::ChannelGains gains = sound::PanToGains(c.pan);
    EXPECT_EQ(gains.left, c.left) << c.pan;
    EXPECT_EQ(gains.right, c.right) << c.pan;
  }
}

struct Speaker {
  fake::Clock clock;
  fake::FakeSound device{clock};
  fake::FakeHost host{clock, device};
  sound::ClipPlayback clips{device, host, "."};
  sound::AnnouncementQueue queue{clips};
  sound::SpokenNumbers numbers{queue};

  std::string Say(int32_t value) {
    numbers.NumberValue = value;
    numbers.SpeakNumber();
    std::string words;
    for (int p = 1; p <= queue.Count(); ++p) words += (p > 1 ? " " : "") + queue.Entry(p);
    return words;
  }
};

TEST(SpokenNumbers, SaysEachNumberInItsWordClips) {
  const std::pair<int32_t, const char*> cases[] = {
      {7, "7.wav"},
      {13, "13.wav"},
      {45, "40.wav 5.wav"},
      {105, "1.wav hundred.wav 5.wav"},
      {1015, "1.wav thousand.wav 15.wav"},
      {20000, "20.wav thousand.wav"},
      {123456, "1.wav hundred.wav 20.wav 3.wav thousand.wav 4.wav hundred.wav 50.wav 6.wav"},
      {1000001, "1.wav million.wav 1.wav"},
      {0, "0.wav say points.wav"},
      {12345678, ""},
      {-5, ""},
  };
  Speaker s;
  for (const auto& [value, words] : cases) EXPECT_EQ(s.Say(value), words) << value;
}

TEST(AnnouncementQueue, HoldsFifteenEntries) {
  Speaker s;
  for (int i = 0; i < 15; ++i) EXPECT_TRUE(s.queue.QueueClip("1.wav"));
  EXPECT_FALSE(s.queue.QueueClip("2.wav"));
  EXPECT_EQ(s.queue.Count(), 15);
}

// A mixer's thread mixing 100-frame buffers, silent unless told, until the
// gate closes; the gate sleeps after 1000 silent frames.
struct Mixing {
  sound::SilenceGate gate{1000};
  std::atomic<bool> sounding{false};
  std::atomic<int> mixes{0};
  std::atomic<bool> done{false};
  std::thread thread{[this] {
    while (!done) {
      gate.AfterMix(100, !sounding);
      ++mixes;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }};
  ~Mixing() {
    done = true;
    gate.Close();
    thread.join();
  }
  // Waits until the thread has slept `sleeps` times and stays asleep.
  bool AsleepAfter(int sleeps) {
    for (int i = 0; i < 2000 && gate.Sleeps() < sleeps; ++i) Pause();
    const int before = mixes;
    Pause();
    return gate.Sleeps() == sleeps && mixes == before;
  }
  static void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(5)); }
};

TEST(SilenceGate, SleepsThroughSilenceAndWakesForEveryCall) {
  Mixing m;
  EXPECT_TRUE(m.AsleepAfter(1));
  {
    // Awake throughout a call, then asleep again after another silence.
    sound::SilenceGate::Call call(m.gate);
    const int before = m.mixes;
    for (int i = 0; i < 40; ++i) Mixing::Pause();
    EXPECT_GT(m.mixes, before + 10);
    EXPECT_EQ(m.gate.Sleeps(), 1);
  }
  EXPECT_TRUE(m.AsleepAfter(2));
  // Sound keeps it awake however long it lasts.
  m.sounding = true;
  { sound::SilenceGate::Call call(m.gate); }
  for (int i = 0; i < 40; ++i) Mixing::Pause();
  EXPECT_EQ(m.gate.Sleeps(), 2);
  m.sounding = false;
  EXPECT_TRUE(m.AsleepAfter(3));
}

// The end-to-end stories and the demonstration read these lines; the device
// behind the watch still plays every clip and preloads every file.
TEST(ClipTrace, WritesEachStartAsALineAndPassesEverythingOn) {
  fake::Clock clock;
  fake::FakeSound device(clock);
  std::ostringstream out;
  sound::PlayWatch watch(device, sound::TraceClips(out));
  fake::TempFolder folder;
  fake::WriteTone(folder / "go.wav", 100);
  fake::WriteTone(folder / "step.wav", 100);
  EXPECT_EQ(watch.CreateClip(folder / "missing.wav", sound::ClipSlot::Current), nullptr);
  const auto go = watch.CreateClip(folder / "go.wav", sound::ClipSlot::Current);
  const auto step = watch.CreateClip(folder / "step.wav", sound::ClipSlot::Step);
  go->Play();
  for (const int column : {1, 100}) {
    step->SetPan(sound::StepPan(column));
    step->Play();
  }
  watch.Preload(folder / "go.wav");
  EXPECT_EQ(out.str(), "go\nstep at column 1\nstep at column 100\n");
  ASSERT_EQ(device.heard.size(), 3u);
  EXPECT_EQ(device.heard[2].pan, sound::StepPan(100));
  EXPECT_EQ(device.preloaded, std::vector<std::string>{"go.wav"});
}

}  // namespace
