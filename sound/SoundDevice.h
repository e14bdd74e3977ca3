#pragma once
// The sound device: opening the audio output, clips created from WAV files,
// and the four things done to a clip. The SDL2_mixer backend plays them; the
// tests use a fake on a virtual clock.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace sound {

// Pan on a signed scale: -10000 full left, 0 centre, 10000 full right; the
// value is hundredths of a decibel taken off the far channel.
inline constexpr int32_t kPanFullLeft = -10000;
inline constexpr int32_t kPanCentre = 0;
inline constexpr int32_t kPanFullRight = 10000;

// Each slot plays on its own output channel, so a step, a clip and an
// announcement can sound together.
enum class ClipSlot { Current, Step, Announcement, Beep };

class Clip {
 public:
  // Releasing a clip silences it.
  virtual ~Clip() = default;
  virtual bool IsPlaying() const = 0;
  // Plays once from the current position.
  virtual void Play() = 0;
  virtual void SetPosition(uint32_t position) = 0;
  virtual void SetPan(int32_t pan) = 0;
  // Stopping a clip that has already ended is harmless.
  virtual void Stop() = 0;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Opens the audio output. On failure returns false and says why.
  virtual bool Open(std::string& reason) = 0;
  // A new clip, stopped, at position 0, centred; nullptr when the file cannot
  // be read as a WAV clip.
  virtual std::unique_ptr<Clip> CreateClip(const std::filesystem::path& wav, ClipSlot slot) = 0;
  // Reads and converts a clip file ahead of its first play, so that play
  // starts at once. Every device, and every wrapper of one, passes it on:
  // the start-up is timed with it.
  virtual void Preload(const std::filesystem::path& wav) = 0;
  // A short generated tone on its own channel: the edge beep.
  virtual void PlayBeep() = 0;
  // Called whenever a clip ends, possibly from the audio thread: the
  // listener may only post a wake-up.
  virtual void SetClipEndListener(std::function<void()> listener) = 0;
  // Stops everything and closes the output.
  virtual void Close() = 0;
};

}  // namespace sound
