#include "tests/support/FakeSound.h"

#include <algorithm>
#include <fstream>

namespace fake {

class FakeClip final : public sound::Clip {
 public:
  FakeClip(FakeSound& owner, sound::ClipSlot slot, std::string name, int64_t length)
      : owner_(owner), slot_(slot), name_(std::move(name)), length_(length) {
    owner_.live_.insert(this);
    owner_.Record(*this, "create");
  }
  ~FakeClip() override {
    if (IsPlaying()) stopAt_ = owner_.clock_.now;
    owner_.Record(*this, "release");
    owner_.live_.erase(this);
  }
  bool IsPlaying() const override {
    return started_ && stopAt_ > owner_.clock_.now && EndTime() > owner_.clock_.now;
  }
  void Play() override {
    started_ = true;
    startAt_ = owner_.clock_.now;
    stopAt_ = INT64_MAX;
    owner_.Record(*this, "play");
  }
  void SetPosition(uint32_t) override { owner_.Record(*this, "position"); }
  void SetPan(int32_t pan) override {
    pan_ = pan;
    owner_.Record(*this, "pan");
  }
  void Stop() override {
    if (IsPlaying()) stopAt_ = owner_.clock_.now;
    owner_.Record(*this, "stop");
  }

  int64_t EndTime() const { return std::min(startAt_ + length_, stopAt_); }
  int64_t NaturalEnd() const { return startAt_ + length_; }
  bool Started() const { return started_; }
  sound::ClipSlot Slot() const { return slot_; }
  const std::string& Name() const { return name_; }
  int32_t Pan() const { return pan_; }

 private:
  FakeSound& owner_;
  sound::ClipSlot slot_;
  std::string name_;
  int64_t length_;
  int32_t pan_ = 0;
  bool started_ = false;
  int64_t startAt_ = 0;
  int64_t stopAt_ = INT64_MAX;
};

FakeSound::~FakeSound() = default;

bool FakeSound::Open(std::string& reason) {
  if (openFailure) {
    reason = *openFailure;
    return false;
  }
  opened = true;
  return true;
}

int64_t FakeSound::LengthOf(const std::filesystem::path& wav) const {
  auto it = lengths_.find(wav.filename().string());
  if (it != lengths_.end()) return it->second;
  // Length from the header of a canonical 44-byte-header PCM WAV file.
  std::ifstream in(wav, std::ios::binary);
  unsigned char header[44] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  auto le32 = [&](int at) {
    return static_cast<int64_t>(header[at]) | static_cast<int64_t>(header[at + 1]) << 8 |
           static_cast<int64_t>(header[at + 2]) << 16 | static_cast<int64_t>(header[at + 3]) << 24;
  };
  int64_t byteRate = le32(28);
  int64_t dataBytes = le32(40);
  if (!in || byteRate <= 0) return 500;
  return dataBytes * 1000 / byteRate;
}

std::unique_ptr<sound::Clip> FakeSound::CreateClip(const std::filesystem::path& wav,
                                                   sound::ClipSlot slot) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(wav, ec)) return nullptr;
  return std::make_unique<FakeClip>(*this, slot, wav.filename().string(), LengthOf(wav));
}

void FakeSound::Record(const FakeClip& clip, const char* op) {
  ops.push_back({clock_.now, op, clip.Slot(), clip.Name(), clip.Pan()});
}

std::optional<int64_t> FakeSound::NextClipEnd() const {
  std::optional<int64_t> next;
  for (const FakeClip* clip : live_) {
    if (!clip->IsPlaying()) continue;
    int64_t end = clip->EndTime();
    if (!next || end < *next) next = end;
  }
  return next;
}

bool FakeSound::AnyPlaying() const {
  return std::any_of(live_.begin(), live_.end(), [](const FakeClip* c) { return c->IsPlaying(); });
}

int FakeSound::TakePassedEnds() {
  int passed = 0;
  for (const FakeClip* clip : live_) {
    if (!clip->Started()) continue;
    int64_t end = clip->NaturalEnd();
    if (end > endsSeenUpTo_ && end <= clock_.now) ++passed;
  }
  endsSeenUpTo_ = clock_.now;
  if (passed > 0 && listener_) listener_();
  return passed;
}

std::vector<HeardClip> FakeSound::Heard() const {
  std::vector<HeardClip> heard;
  for (const SoundOp& op : ops) {
    if (op.op == "play") heard.push_back({op.time, op.name, op.slot, op.pan});
  }
  return heard;
}

std::vector<std::string> FakeSound::HeardNames(std::optional<sound::ClipSlot> slot) const {
  std::vector<std::string> names;
  for (const HeardClip& clip : Heard()) {
    if (!slot || clip.slot == *slot) names.push_back(clip.name);
  }
  return names;
}

}  // namespace fake
