#pragma once
// A sound device in front of another whose clips tell each play, once it has
// been handed on, to a listener: the clip's file name, its slot and its pan.
// The clip trace writes these as lines; the benchmarks time them.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/SoundDevice.h"

namespace sound {

struct PlayedClip {
  const std::filesystem::path& file;  // the file's name alone: "step.wav"
  ClipSlot slot;
  int32_t pan;
};

class PlayWatch final : public SoundDevice {
 public:
  using Listener = std::function<void(const PlayedClip&)>;
  explicit PlayWatch(SoundDevice& device, Listener listener = {})
      : onPlay(std::move(listener)), device_(device) {}

  bool Open(std::string& reason) override { return device_.Open(reason); }
  std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override { device_.Preload(wav); }
  void PlayBeep() override { device_.PlayBeep(); }
  void SetClipEndListener(std::function<void()> listener) override {
    device_.SetClipEndListener(std::move(listener));
  }
  void Close() override { device_.Close(); }

  // Called on the thread that plays, right after each play; clips made
  // earlier tell the listener set now.
  Listener onPlay;

 private:
  SoundDevice& device_;
};

}  // namespace sound
