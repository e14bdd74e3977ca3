#include "sound/AnnouncementQueue.h"

namespace sound {

bool AnnouncementQueue::QueueClip(const std::string& name) {
  if (count_ >= kCapacity) return false;
  ++count_;
  entries_[count_ - 1] = name;
  return true;
}

void AnnouncementQueue::DequeueClip() {
  if (count_ == 0) return;
  --count_;
  // The entry after the new last one keeps its old text.
  for (int p = 1; p <= count_; ++p) entries_[p - 1] = entries_[p];
}

void AnnouncementQueue::ClearAnnouncements() {
  count_ = 0;
  clips_.StopAnnouncement();
}

void AnnouncementQueue::StartFirstEntry() {
  // The clip is created and started before its entry leaves the queue.
  clips_.PlayAnnouncement(entries_[0]);
  DequeueClip();
}

void AnnouncementQueue::ServiceAnnouncements() {
  if (count_ == 0) return;
  if (!announcementStarted_) {
    // The very first start does not wait for the unplayed step sound that
    // holds the slot until now.
    announcementStarted_ = true;
    StartFirstEntry();
  }
  if (count_ != 0 && !clips_.AnnouncementPlaying()) StartFirstEntry();
}

}  // namespace sound
