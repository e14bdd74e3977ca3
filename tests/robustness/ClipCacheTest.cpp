// The real sound device keeps clips it has decoded, by file: what is heard
// must follow the file on disk, however the file changes.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <mutex>
#include <numbers>
#include <thread>

#include "sound/SdlSoundDevice.h"
#include "tests/support/ScenarioFolder.h"

namespace robustness {
namespace {

using namespace std::chrono_literals;

std::mutex energyMutex;
double energy = 0.0;

// Runs on the audio thread with every mixed buffer (16-bit stereo).
void SDLCALL Accumulate(void* /*context*/, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const int16_t*>(stream);
  double sum = 0.0;
  for (int i = 0; i < length / 2; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  std::lock_guard<std::mutex> lock(energyMutex);
  energy += sum;
}

void Put(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 22050 Hz mono 16-bit tone; level 0 writes silence of the same size.
void WriteTone(const std::filesystem::path& path, double seconds, double level) {
  const auto frames = static_cast<uint32_t>(seconds * 22050);
  std::string out = "RIFF";
  Put(out, 36 + frames * 2, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, 1, 2);
  Put(out, 1, 2);
  Put(out, 22050, 4);
  Put(out, 44100, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double value = level * std::sin(2.0 * std::numbers::pi * 440.0 * i / 22050);
    Put(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(32767 * value))), 2);
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << out;
}

class ClipCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dummy driver mixes in real time without a sound card, unless the
    // environment names another driver.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string reason;
    ASSERT_TRUE(device.Open(reason)) << reason;
    Mix_SetPostMix(Accumulate, nullptr);
  }
  void TearDown() override {
    Mix_SetPostMix(nullptr, nullptr);
    device.Close();
  }

  // Plays the file to its end and returns the energy that reached the
  // output meanwhile; -1 when no clip could be made.
  double Heard(const std::filesystem::path& wav) {
    std::unique_ptr<sound::Clip> clip = device.CreateClip(wav, sound::ClipSlot::Current);
    if (!clip) return -1;
    {
      std::lock_guard<std::mutex> lock(energyMutex);
      energy = 0.0;
    }
    clip->Play();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (clip->IsPlaying() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(5ms);
    }
    EXPECT_FALSE(clip->IsPlaying()) << "the clip did not end";
    // Its last buffer reaches the output a moment after the end.
    std::this_thread::sleep_for(60ms);
    std::lock_guard<std::mutex> lock(energyMutex);
    return energy;
  }

  fake::ScenarioFolder folder;
  sound::SdlSoundDevice device;
};

TEST_F(ClipCacheTest, AChangedFileIsHeardAsItIsNow) {
  struct Change {
    const char* how;
    double seconds;  // of the silence that replaces the tone
    bool later;      // written a while after the first version
  };
  const Change changes[] = {
      {"the same size, rewritten two seconds later", 0.25, true},
      {"another size, rewritten at once", 0.15, false},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.how);
    const std::filesystem::path wav = folder.Path() / "clip.wav";
    WriteTone(wav, 0.25, 0.5);
    const double first = Heard(wav);
    ASSERT_GT(first, 0.0);
    // Unchanged, it sounds the same when played again.
    EXPECT_NEAR(Heard(wav), first, first * 0.25);

    const auto written = std::filesystem::last_write_time(wav);
    WriteTone(wav, change.seconds, 0.0);
    if (change.later) std::filesystem::last_write_time(wav, written + 2s);
    EXPECT_LT(Heard(wav), first * 1e-3) << "the old sound was played";
  }
}

TEST_F(ClipCacheTest, AFileRemovedAfterItWasPlayedMakesNoClip) {
  const std::filesystem::path wav = folder.Path() / "gone.wav";
  WriteTone(wav, 0.1, 0.5);
  ASSERT_GT(Heard(wav), 0.0);
  std::filesystem::remove(wav);
  EXPECT_EQ(Heard(wav), -1);
}

TEST_F(ClipCacheTest, TwoClipsOfOneFileEachPlayAndStopOnTheirOwn) {
  const std::filesystem::path wav = folder.Path() / "step.wav";
  WriteTone(wav, 1.0, 0.5);
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
  {
    std::lock_guard<std::mutex> lock(energyMutex);
    energy = 0.0;
  }
  std::this_thread::sleep_for(100ms);
  std::lock_guard<std::mutex> lock(energyMutex);
  EXPECT_GT(energy, 0.0);
}

}  // namespace
}  // namespace robustness
