#pragma once
// The clip slots and the three ways of playing a clip: wait for it, fire and
// forget, and play until a key is pressed.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/WindowHost.h"
#include "sound/ClipNames.h"
#include "sound/SoundDevice.h"

namespace sound {

// The mode an interruptible play puts the window in while it waits.
inline constexpr char kModePlayBreakableSound[] = "play breakable sound";

// The step sound leans with the column: (x - 50) * 20, -980 at column 1, 0
// at column 50, +1000 at column 100.
inline constexpr int kCentreColumn = 50;
inline constexpr int32_t kStepPanPerColumn = 20;
constexpr int32_t StepPan(int column) { return (column - kCentreColumn) * kStepPanPerColumn; }
// The column a step pan was made for.
constexpr int StepColumn(int32_t pan) {
  return static_cast<int>(pan / kStepPanPerColumn) + kCentreColumn;
}

class ClipPlayback {
 public:
  ClipPlayback(SoundDevice& device, platform::WindowHost& host, std::filesystem::path folder);

  // Opens the device; false with the reason when it cannot be opened.
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

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  // A clip that cannot be created is reported and stands in as one that has
  // already ended, so a wait for it returns at once.
  std::unique_ptr<Clip> CreateClip(const std::string& name, ClipSlot slot, bool& created);

  SoundDevice& device_;
  platform::WindowHost& host_;
  std::filesystem::path folder_;
  std::unique_ptr<Clip> currentClip_;
  std::unique_ptr<Clip> stepClip_;
  std::unique_ptr<Clip> announcementClip_;
};

}  // namespace sound
