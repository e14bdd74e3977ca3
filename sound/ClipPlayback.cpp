#include "sound/ClipPlayback.h"

#include <iostream>

namespace sound {
namespace {

// Stands in for a clip whose file could not be read.
class EndedClip final : public Clip {
 public:
  bool IsPlaying() const override { return false; }
  void Play() override {}
  void SetPosition(uint32_t) override {}
  void SetPan(int32_t) override {}
  void Stop() override {}
};

}  // namespace

ClipPlayback::ClipPlayback(SoundDevice& device, platform::WindowHost& host,
                           std::filesystem::path folder)
    : device_(device), host_(host), folder_(std::move(folder)) {}

bool ClipPlayback::StartUp(std::string& reason) { return device_.Open(reason); }

std::unique_ptr<Clip> ClipPlayback::CreateClip(const std::string& name, ClipSlot slot,
                                               bool& created) {
  std::unique_ptr<Clip> clip = device_.CreateClip(folder_ / name, slot);
  created = clip != nullptr;
  if (!created) {
    std::cerr << "Cannot play the sound file \"" << name << "\" in " << folder_.string() << "\n";
    clip = std::make_unique<EndedClip>();
  }
  return clip;
}

void ClipPlayback::PreloadClips(std::span<const std::string> names) {
  for (const std::string& name : names) device_.Preload(folder_ / name);
}

void ClipPlayback::LoadStepClip() {
  bool created = false;
  stepClip_ = CreateClip(kStepClipName, ClipSlot::Step, created);
}

void ClipPlayback::LoadAnnouncementClip() {
  bool created = false;
  announcementClip_ = CreateClip(kStepClipName, ClipSlot::Announcement, created);
}

void ClipPlayback::PlayClipAndWait(const std::string& name, int16_t pan) {
  bool created = false;
  // The clip before is released only once the new one exists.
  currentClip_ = CreateClip(name, ClipSlot::Current, created);
  currentClip_->SetPan(pan);
  currentClip_->Play();
  // A nested handler may replace the slot: poll whichever clip holds it now.
  // A clip that never started (its file could not be read) is not waited
  // for, since no end would ever wake the wait.
  while (currentClip_->IsPlaying()) host_.DoEvents();
}

bool ClipPlayback::PlayClip(const std::string& name) {
  currentClip_.reset();
  bool created = false;
  currentClip_ = CreateClip(name, ClipSlot::Current, created);
  currentClip_->Play();
  return created;
}

void ClipPlayback::PlayClipInterruptible(const std::string& name, std::string& formMode,
                                         bool& interruptFlag) {
  formMode = kModePlayBreakableSound;
  currentClip_.reset();
  bool created = false;
  currentClip_ = CreateClip(name, ClipSlot::Current, created);
  interruptFlag = false;
  currentClip_->Play();
  while (currentClip_->IsPlaying()) {
    host_.DoEvents();
    if (interruptFlag) break;
  }
  currentClip_->Stop();
}

void ClipPlayback::RestartStep() {
  if (!stepClip_) return;
  stepClip_->Stop();
  stepClip_->SetPosition(0);
  stepClip_->Play();
}

void ClipPlayback::RestartStep(int32_t pan) {
  if (!stepClip_) return;
  stepClip_->Stop();
  stepClip_->SetPosition(0);
  stepClip_->SetPan(pan);
  stepClip_->Play();
}

void ClipPlayback::StopAnnouncement() {
  if (announcementClip_) announcementClip_->Stop();
}

bool ClipPlayback::AnnouncementPlaying() const {
  return announcementClip_ && announcementClip_->IsPlaying();
}

void ClipPlayback::PlayAnnouncement(const std::string& name) {
  bool created = false;
  announcementClip_ = CreateClip(name, ClipSlot::Announcement, created);
  announcementClip_->Play();
}

}  // namespace sound
