#pragma once
// The real sound stack on SDL's dummy driver, with the Qt host's yield
// woken by the end of each clip, as the programs wire them.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/QtWindowHost.h"
#include "sound/SdlSoundDevice.h"
#include "tests/platform/QtTestSupport.h"
#include "tests/platform/ToneWav.h"
#include "tests/support/ScenarioFolder.h"

namespace tarnwick_test {

// How a wait for a clip's end went.
struct WaitResult {
  bool ended;
  int yields;
  double milliseconds;
};

class SoundFixture : public ApplicationTest {
 protected:
  SoundFixture();
  ~SoundFixture() override;
  void SetUp() override;

  // Writes a tone WAV into the test's own folder and returns its path.
  std::filesystem::path Tone(const std::string& name, double seconds,
                             WavFormat format = kClipWavFormat);
  std::unique_ptr<sound::Clip> ToneClip(const std::string& name, double seconds,
                                        sound::ClipSlot slot);

  // Yields to the window, as the programs' waits do, until the clip has
  // ended or `limit` has passed.
  WaitResult WaitForEnd(const sound::Clip& clip, std::chrono::milliseconds limit);
  // Yields until `done` holds or `limit` has passed; returns `done`'s answer.
  bool YieldUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

  fake::ScenarioFolder folder_;
  platform::QtWindowHost host_;
  std::atomic<int> ends_{0};
  // Last, so that it closes (and stops reporting) before the rest goes.
  sound::SdlSoundDevice device_;
};

}  // namespace tarnwick_test
