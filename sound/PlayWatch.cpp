#include "sound/PlayWatch.h"

namespace sound {
namespace {

class WatchedClip final : public Clip {
 public:
  WatchedClip(std::unique_ptr<Clip> clip, std::filesystem::path file, ClipSlot slot,
              const PlayWatch& watch)
      : clip_(std::move(clip)), file_(std::move(file)), slot_(slot), watch_(watch) {}

  bool IsPlaying() const override { return clip_->IsPlaying(); }
  void Play() override {
    clip_->Play();
    if (watch_.onPlay) watch_.onPlay({file_, slot_, pan_});
  }
  void SetPosition(uint32_t position) override { clip_->SetPosition(position); }
  void SetPan(int32_t pan) override {
    pan_ = pan;
    clip_->SetPan(pan);
  }
  void Stop() override { clip_->Stop(); }

 private:
  std::unique_ptr<Clip> clip_;
  std::filesystem::path file_;
  ClipSlot slot_;
  const PlayWatch& watch_;
  int32_t pan_ = kPanCentre;
};

}  // namespace

std::unique_ptr<Clip> PlayWatch::CreateClip(const std::filesystem::path& wav, ClipSlot slot) {
  std::unique_ptr<Clip> clip = device_.CreateClip(wav, slot);
  if (!clip) return clip;
  return std::make_unique<WatchedClip>(std::move(clip), wav.filename(), slot, *this);
}

}  // namespace sound
