// The real sound device keeps clips it has decoded, by file: what is heard
// must follow the file on disk, however the file changes.

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sound/SdlSoundDevice.h"
#include "tests/platform/OutputTap.h"
#include "tests/platform/ToneWav.h"
#include "tests/support/ScenarioFolder.h"

namespace robustness {
namespace {

using namespace std::chrono_literals;
using tarnwick_test::WriteToneWav;

// A tone of 0 Hz is silence of the same format and length.
void WriteSilence(const std::filesystem::path& path, double seconds) {
  WriteToneWav(path, seconds, tarnwick_test::kClipWavFormat, 0.0);
}

class ClipCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dummy driver mixes in real time without a sound card, unless the
    // environment names another driver.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string reason;
    ASSERT_TRUE(device.Open(reason)) << reason;
    tap = std::make_unique<tarnwick_test::OutputTap>();
  }
  void TearDown() override {
    tap.reset();
    device.Close();
  }

  double Energy() const { return tap->Left() + tap->Right(); }

  // Plays the file to its end and returns the energy that reached the
  // output meanwhile; -1 when no clip could be made.
  double Heard(const std::filesystem::path& wav) {
    std::unique_ptr<sound::Clip> clip = device.CreateClip(wav, sound::ClipSlot::Current);
    if (!clip) return -1;
    tap->Reset();
    clip->Play();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (clip->IsPlaying() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(5ms);
    }
    EXPECT_FALSE(clip->IsPlaying()) << "the clip did not end";
    std::this_thread::sleep_for(60ms);  // its last buffer reaches the output a moment later
    return Energy();
  }

  fake::ScenarioFolder folder;
  sound::SdlSoundDevice device;
  std::unique_ptr<tarnwick_test::OutputTap> tap;
};

TEST_F(ClipCacheTest, AChangedOrRemovedFileIsHeardAsItIsNow) {
  struct Change {
    const char* how;
    double seconds;  // of the silence that replaces the tone; 0 removes the file
    bool later;      // written a while after the first version
  };
  const Change changes[] = {
      {"the same size, rewritten two seconds later", 0.25, true},
      {"another size, rewritten at once", 0.15, false},
      {"removed", 0.0, false},
  };
  const std::filesystem::path wav = folder.Path() / "clip.wav";
  for (const Change& change : changes) {
    SCOPED_TRACE(change.how);
    WriteToneWav(wav, 0.25);
    const double first = Heard(wav);
    ASSERT_GT(first, 0.0);
    EXPECT_NEAR(Heard(wav), first, first * 0.25) << "unchanged, it sounds the same again";
    if (change.seconds == 0.0) {
      std::filesystem::remove(wav);
      EXPECT_EQ(Heard(wav), -1) << "a clip was made from the cache";
      continue;
    }
    const auto written = std::filesystem::last_write_time(wav);
    WriteSilence(wav, change.seconds);
    if (change.later) std::filesystem::last_write_time(wav, written + 2s);
    EXPECT_LT(Heard(wav), first * 1e-3) << "the old sound was played";
  }
}

TEST_F(ClipCacheTest, TwoClipsOfOneFileEachPlayAndStopOnTheirOwn) {
  const std::filesystem::path wav = folder.Path() / "step.wav";
  WriteToneWav(wav, 1.0);
  std::unique_ptr<sound::Clip> step = device.CreateClip(wav, sound::ClipSlot::Step);
  std::unique_ptr<sound::Clip> announcement = device.CreateClip(wav, sound::ClipSlot::Announcement);
  ASSERT_TRUE(step && announcement);
  step->Play();
  announcement->Play();
  std::this_thread::sleep_for(50ms);
  ASSERT_TRUE(step->IsPlaying() && announcement->IsPlaying());
  // Releasing one leaves the other sounding, with its samples intact.
  announcement.reset();
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(step->IsPlaying());
  tap->Reset();
  std::this_thread::sleep_for(100ms);
  EXPECT_GT(Energy(), 0.0);
}

}  // namespace
}  // namespace robustness
