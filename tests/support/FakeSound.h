#pragma once
// A sound device on the virtual clock: a clip lasts as long as its WAV
// header says (or as a test sets), and every operation is recorded.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sound/SoundDevice.h"
#include "tests/support/VirtualClock.h"

namespace fake {

struct SoundOp {
  int64_t time = 0;
  std::string op;  // "create", "play", "stop", "pan", "position", "release", "end"
  sound::ClipSlot slot = sound::ClipSlot::Current;
  std::string name;  // file name of the clip
  int32_t pan = 0;   // the clip's pan at that moment
};

// One clip start as a listener would hear it.
struct HeardClip {
  int64_t time = 0;
  std::string name;
  sound::ClipSlot slot = sound::ClipSlot::Current;
  int32_t pan = 0;
};

class FakeClip;

class FakeSound : public sound::SoundDevice {
 public:
  explicit FakeSound(VirtualClock& clock) : clock_(clock) {}
  ~FakeSound() override;

  bool Open(std::string& reason) override;
  std::unique_ptr<sound::Clip> CreateClip(const std::filesystem::path& wav,
                                          sound::ClipSlot slot) override;
  void Preload(const std::filesystem::path& wav) override {
    preloaded.push_back(wav.filename().string());
  }
  void PlayBeep() override { beeps.push_back(clock_.now); }
  void SetClipEndListener(std::function<void()> listener) override { listener_ = std::move(listener); }
  void Close() override { closed = true; }

  // Test controls.
  std::optional<std::string> openFailure;  // Open fails with this reason
  void SetLength(const std::string& name, int64_t ms) { lengths_[name] = ms; }

  // The earliest end, after now, of a clip still playing.
  std::optional<int64_t> NextClipEnd() const;
  bool AnyPlaying() const;
  // Ends that have passed since the last call; the host treats them as
  // wake-ups.
  int TakePassedEnds();

  // Records.
  std::vector<SoundOp> ops;
  std::vector<int64_t> beeps;
  std::vector<std::string> preloaded;
  bool opened = false;
  bool closed = false;

  std::vector<HeardClip> Heard() const;
  std::vector<std::string> HeardNames(std::optional<sound::ClipSlot> slot = std::nullopt) const;
  void ClearRecords() { ops.clear(); beeps.clear(); }

 private:
  friend class FakeClip;
  void Record(const FakeClip& clip, const char* op);
  int64_t LengthOf(const std::filesystem::path& wav) const;

  VirtualClock& clock_;
  std::function<void()> listener_;
  std::map<std::string, int64_t> lengths_;
  std::set<FakeClip*> live_;
  int64_t endsSeenUpTo_ = 0;
};

}  // namespace fake
