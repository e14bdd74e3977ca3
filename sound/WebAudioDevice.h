#pragma once
// The sound device on Web Audio: one AudioContext, every clip decoded once,
// and each play a new buffer source on its slot's own pair of channel gains,
// panned by the same law as the desktop. The page's glue lives in
// web/audio.js; clip bytes are read from the program folder in the page's
// file system, exactly as the desktop reads them from disk.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/SoundDevice.h"

namespace sound {

class WebAudioDevice final : public SoundDevice {
 public:
  bool Open(std::string& reason) override;
  std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override;
  void PlayBeep() override;
  // Not called here: a clip end is a page event, and the glue queues its
  // wake-up on the window's event queue itself, since nothing may call into
  // the program while it waits.
  void SetClipEndListener(std::function<void()> listener) override;
  void Close() override;

 private:
  bool open_ = false;
};

}  // namespace sound
