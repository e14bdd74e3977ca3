#pragma once
// The clip slots and the three ways of playing a clip: wait for it, fire and
// forget, and play until a key is pressed.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/WindowHost.h"
#include "sound/SoundDevice.h"

namespace sound {

// The nominal format of every clip: 16-bit mono PCM at 22050 Hz.
struct ClipFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t averageBytesPerSecond = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

// The one description every clip is created with: a static buffer with
// frequency, pan and volume control, one second long.
struct ClipDescription {
  uint32_t flags = 0;
  uint32_t bufferBytes = 0;
};

inline constexpr uint32_t kClipFlags = 0xE2;
inline constexpr char kStepClipName[] = "step.wav";

class ClipPlayback {
 public:
  ClipPlayback(SoundDevice& device, platform::WindowHost& host, std::filesystem::path folder);

  // Opens the device and fills the format and description records.
  bool StartUp(std::string& reason);
  // Loads the step sound into StepClip; the game also loads a silent copy
  // into AnnouncementClip.
  void LoadStepClip();
  // Reads every named clip ahead, so no first play waits for its file.
  void PreloadClips(std::span<const std::string> names);
  void LoadAnnouncementClip();

  void PlayClipAndWait(const std::string& name, int16_t pan);
  // False when the clip could not be created (it is then treated as ended).
  bool PlayClip(const std::string& name);
  // Plays until the clip ends or interruptFlag turns true in a nested key-down.
  void PlayClipInterruptible(const std::string& name, std::string& formMode, bool& interruptFlag);

  // The step sound, restarted rather than layered. Without a pan the last
  // one set is kept.
  void RestartStep();
  void RestartStep(int32_t pan);

  // The announcement slot, for the announcement queue.
  void StopAnnouncement();
  bool AnnouncementPlaying() const;
  void PlayAnnouncement(const std::string& name);

  bool CurrentPlaying() const;
  const std::filesystem::path& Folder() const { return folder_; }
  const ClipFormat& Format() const { return format_; }
  const ClipDescription& Description() const { return description_; }

 private:
  // A clip that cannot be created is reported and stands in as one that has
  // already ended, so a wait for it returns at once.
  std::unique_ptr<Clip> CreateClip(const std::string& name, ClipSlot slot, bool& created);

  SoundDevice& device_;
  platform::WindowHost& host_;
  std::filesystem::path folder_;
  ClipFormat format_;
  ClipDescription description_;
  std::unique_ptr<Clip> currentClip_;
  std::unique_ptr<Clip> stepClip_;
  std::unique_ptr<Clip> announcementClip_;
};

}  // namespace sound
