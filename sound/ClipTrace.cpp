#include "sound/ClipTrace.h"

#include "sound/ClipPlayback.h"

namespace sound {
namespace {

class TracedClip final : public Clip {
 public:
  TracedClip(std::unique_ptr<Clip> clip, std::string name, ClipSlot slot, std::ostream& out)
      : clip_(std::move(clip)), name_(std::move(name)), slot_(slot), out_(out) {}

  bool IsPlaying() const override { return clip_->IsPlaying(); }
  void Play() override {
    if (slot_ == ClipSlot::Step) {
      // The step is panned by the player's column.
      out_ << "step at column " << StepColumn(pan_) << std::endl;
    } else {
      out_ << name_ << std::endl;
    }
    clip_->Play();
  }
  void SetPosition(uint32_t position) override { clip_->SetPosition(position); }
  void SetPan(int32_t pan) override {
    pan_ = pan;
    clip_->SetPan(pan);
  }
  void Stop() override { clip_->Stop(); }

 private:
  std::unique_ptr<Clip> clip_;
  std::string name_;
  ClipSlot slot_;
  std::ostream& out_;
  int32_t pan_ = 0;
};

}  // namespace

std::unique_ptr<Clip> ClipTrace::CreateClip(const std::filesystem::path& wav, ClipSlot slot) {
  std::unique_ptr<Clip> clip = device_.CreateClip(wav, slot);
  if (!clip) return clip;
  return std::make_unique<TracedClip>(std::move(clip), wav.stem().string(), slot, out_);
}

}  // namespace sound
