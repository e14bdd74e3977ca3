#pragma once
// A sound device that tells what is heard: every clip start is written as a
// line ("go", "step at column 3", "7"), then passed on to the real device.
// The headless demonstration and the key storm read these lines as the game
// plays; the desktop wiring puts it in front of the device when
// TARNWICK_TRACE=1.

#include <ostream>

#include "sound/SoundDevice.h"

namespace sound {

class ClipTrace final : public SoundDevice {
 public:
  ClipTrace(SoundDevice& device, std::ostream& out) : device_(device), out_(out) {}

  bool Open(std::string& reason) override { return device_.Open(reason); }
  std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override { device_.Preload(wav); }
  void PlayBeep() override { device_.PlayBeep(); }
  void SetClipEndListener(std::function<void()> listener) override {
    device_.SetClipEndListener(std::move(listener));
  }
  void Close() override { device_.Close(); }

 private:
  SoundDevice& device_;
  std::ostream& out_;
};

}  // namespace sound
