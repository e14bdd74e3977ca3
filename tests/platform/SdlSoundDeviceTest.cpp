// The SDL2_mixer sound device on its dummy driver: clips loaded from WAV
// files, played on their slots' channels, and their ends waking the wait.

#include <gtest/gtest.h>

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/platform/QtTestSupport.h"
#include "tests/platform/SoundFixture.h"

namespace {

using namespace std::chrono_literals;
using sound::ClipSlot;
using tarnwick_test::SoundFixture;
using tarnwick_test::WaitResult;
using tarnwick_test::WavFormat;

using SdlSoundDeviceTest = SoundFixture;

TEST_F(SdlSoundDeviceTest, ClipEndWakesTheWaitWithoutSpinning) {
  auto clip = ToneClip("tone.wav", 0.3, ClipSlot::Current);
  ASSERT_NE(clip, nullptr);
  EXPECT_FALSE(clip->IsPlaying()) << "a new clip is stopped";
  clip->Play();
  EXPECT_TRUE(clip->IsPlaying());
  const WaitResult wait = WaitForEnd(*clip, 3s);
  std::printf("300 ms clip: wait %.1f ms, %d yields\n", wait.milliseconds, wait.yields);
  EXPECT_TRUE(wait.ended);
  EXPECT_GE(wait.milliseconds, 250.0);
  EXPECT_LT(wait.milliseconds, 800.0);
  EXPECT_LE(wait.yields, 10);
  EXPECT_GE(ends_.load(), 1);
}

TEST_F(SdlSoundDeviceTest, EndedClipStopsHarmlesslyAndPlaysAgainFromTheStart) {
  auto clip = ToneClip("tone.wav", 0.2, ClipSlot::Step);
  ASSERT_NE(clip, nullptr);
  clip->Play();
  ASSERT_TRUE(WaitForEnd(*clip, 3s).ended);
  clip->Stop();
  EXPECT_FALSE(clip->IsPlaying());
  clip->SetPosition(0);
  clip->SetPan(-1000);
  clip->Play();
  EXPECT_TRUE(clip->IsPlaying());
  const WaitResult again = WaitForEnd(*clip, 3s);
  EXPECT_TRUE(again.ended);
  EXPECT_GE(again.milliseconds, 150.0) << "the whole clip again, from its start";
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
  std::ofstream(folder_ / "notes.wav") << "not a sound at all";
  std::ofstream(folder_ / "empty.wav");
  std::filesystem::create_directory(folder_ / "folder.wav");
  for (const char* name : {"missing.wav", "notes.wav", "empty.wav", "folder.wav"}) {
    EXPECT_EQ(device_.CreateClip(folder_ / name, ClipSlot::Current), nullptr) << name;
  }
}

TEST_F(SdlSoundDeviceTest, CommonWavFormatsPlayAtTheirOwnSpeed) {
  const WavFormat formats[] = {{1, 22050, 16}, {1, 11025, 8}, {2, 44100, 16}, {2, 8000, 8}};
  for (const WavFormat& format : formats) {
    const std::string name = std::to_string(format.channels) + "ch-" +
                             std::to_string(format.samplesPerSecond) + "-" +
                             std::to_string(format.bitsPerSample) + ".wav";
    auto clip = device_.CreateClip(Tone(name, 0.4, format), ClipSlot::Current);
    ASSERT_NE(clip, nullptr) << name;
    clip->Play();
    const WaitResult wait = WaitForEnd(*clip, 3s);
    EXPECT_TRUE(wait.ended) << name;
    EXPECT_GE(wait.milliseconds, 340.0) << name;
    EXPECT_LT(wait.milliseconds, 900.0) << name;
  }
}

TEST_F(SdlSoundDeviceTest, PlayObserverHearsEachClipHandedToTheMixer) {
  std::vector<ClipSlot> played;
  sound::SdlSoundDevice::SetPlayObserver([&played](ClipSlot slot) { played.push_back(slot); });
  auto step = ToneClip("step.wav", 0.1, ClipSlot::Step);
  auto clip = ToneClip("clip.wav", 0.1, ClipSlot::Current);
  step->Play();
  clip->Play();
  sound::SdlSoundDevice::SetPlayObserver(nullptr);
  step->Play();
  EXPECT_EQ(played, (std::vector<ClipSlot>{ClipSlot::Step, ClipSlot::Current}));
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
  EXPECT_EQ(device_.CreateClip(folder_ / "tone.wav", ClipSlot::Current), nullptr);

  std::string reason;
  ASSERT_TRUE(device_.Open(reason)) << reason;
  clip->Play();
  EXPECT_FALSE(clip->IsPlaying()) << "a clip of the earlier opening stays silent";
  auto fresh = device_.CreateClip(folder_ / "tone.wav", ClipSlot::Current);
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

}  // namespace
