#pragma once
// The sound device on SDL2_mixer: one mixer channel per clip slot, clips
// loaded whole from WAV files and converted to the output format.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sound/SoundDevice.h"

struct Mix_Chunk;

namespace sound {

// What the device and its clips share: whether the mixer is open. A clip may
// outlive the device's open period (or the device itself) and must then
// leave the mixer alone.
struct MixerState;

class SdlSoundDevice final : public SoundDevice {
 public:
  // 128 frames at 44.1 kHz is 2.9 ms: a step is mixed within 3 ms of its key,
  // and SDL asks PulseAudio for a stream buffer of the same 2.9 ms. The
  // mixer's thread sleeps through silence, so the short buffer costs nothing
  // while the game is quiet.
  static constexpr int kBufferFrames = 128;

  // Another buffer size is for measuring only (the benchmark's
  // --buffer-frames): the programs use the one above.
  explicit SdlSoundDevice(int bufferFrames = kBufferFrames);
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  bool Open(std::string& reason) override;
  std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override;
  void PlayBeep() override;
  void SetClipEndListener(std::function<void()> listener) override;
  void Close() override;

  // The output rate once open.
  int Frequency() const;

  // For measuring, while open: called on the mixer's thread after each mix
  // with the number of channels playing; and how many times the mixer's
  // thread has slept through a silence.
  void SetMixListener(std::function<void(int playing)> listener);
  int SilentSleeps() const;

 private:
  void MakeBeep(int frequency, int channels);

  std::shared_ptr<MixerState> state_;
  std::function<void()> listener_;
  int bufferFrames_;
  int frequency_;
  // The beep's samples, in the output format; its chunk points into them.
  std::vector<int16_t> beepSamples_;
  Mix_Chunk* beepChunk_ = nullptr;
};

}  // namespace sound
