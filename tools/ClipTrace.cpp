#include "tools/ClipTrace.h"

#include "sound/ClipPlayback.h"

namespace tools {
namespace {

class TracedClip final : public sound::Clip {
 public:
  TracedClip(std::unique_ptr<sound::Clip> clip, std::string name, sound::ClipSlot slot,
             std::ostream& out)
      : clip_(std::move(clip)), name_(std::move(name)), slot_(slot), out_(out) {}

  bool IsPlaying() const override { return clip_->IsPlaying(); }
  void Play() override {
    if (slot_ == sound::ClipSlot::Step) {
      // The step is panned by the player's column.
      out_ << "step at column " << sound::StepColumn(pan_) << std::endl;
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
  std::unique_ptr<sound::Clip> clip_;
  std::string name_;
  sound::ClipSlot slot_;
  std::ostream& out_;
  int32_t pan_ = 0;
};

}  // namespace

std::unique_ptr<sound::Clip> ClipTrace::CreateClip(const std::filesystem::path& wav,
                                                   sound::ClipSlot slot) {
  std::unique_ptr<sound::Clip> clip = device_.CreateClip(wav, slot);
  if (!clip) return clip;
  return std::make_unique<TracedClip>(std::move(clip), wav.stem().string(), slot, out_);
}

}  // namespace tools
