#pragma once
// Spoken announcements made of several short clips, played one after another
// in the announcement slot without blocking the keyboard.

#include <array>
#include <cstdint>
#include <string>

#include "sound/ClipPlayback.h"

namespace sound {

class AnnouncementQueue {
 public:
  static constexpr int kCapacity = 15;

  explicit AnnouncementQueue(ClipPlayback& clips) : clips_(clips) {}

  // Appends a clip name; a sixteenth entry while fifteen are pending is
  // refused (returns false).
  bool QueueClip(const std::string& name);
  void DequeueClip();
  // Empties the queue and silences the announcement slot at once.
  void ClearAnnouncements();
  // Starts the next entry once the previous announcement has finished.
  void ServiceAnnouncements();

  int16_t Count() const { return count_; }
  // Entry p, 1-based.
  const std::string& Entry(int p) const { return entries_.at(p - 1); }
  bool AnnouncementStarted() const { return announcementStarted_; }

 private:
  void StartFirstEntry();

  ClipPlayback& clips_;
  std::array<std::string, kCapacity> entries_;
  int16_t count_ = 0;
  bool announcementStarted_ = false;
};

}  // namespace sound
