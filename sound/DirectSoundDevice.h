#pragma once
// The sound device on DirectSound 8: one secondary buffer per clip, made
// from the clip's WAV file in the format the file holds, its pan in
// DirectSound's own unit (hundredths of a decibel), its end signalled
// through a position notification.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "sound/SoundDevice.h"

struct IDirectSound8;
struct IDirectSoundBuffer;

namespace sound {

// What the device and its clips share; a clip may outlive the device's open
// period and must then leave DirectSound alone.
struct DirectSoundState;

class DirectSoundDevice final : public SoundDevice {
 public:
  // The buffer description's flags: static, with frequency, pan and volume
  // control (226), and position notification for the end event.
  static constexpr DWORD kClipBufferFlags = 226 | 0x100;

  // Cooperative level priority on this window.
  explicit DirectSoundDevice(HWND window);
  ~DirectSoundDevice() override;
  DirectSoundDevice(const DirectSoundDevice&) = delete;
  DirectSoundDevice& operator=(const DirectSoundDevice&) = delete;

  bool Open(std::string& reason) override;
  std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override;
  void PlayBeep() override;
  void SetClipEndListener(std::function<void()> listener) override;
  void Close() override;

 private:
  // Waits for clip ends and hands each to the listener.
  void WatchEnds();

  HWND window_;
  std::shared_ptr<DirectSoundState> state_;
  std::function<void()> listener_;
  IDirectSoundBuffer* beep_ = nullptr;
  HANDLE stopWatching_ = nullptr;
  std::thread watcher_;
};

}  // namespace sound
