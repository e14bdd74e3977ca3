#include "sound/SilenceGate.h"

namespace sound {

void SilenceGate::AfterMix(int64_t frames, bool silent) {
  if (!silent) {
    silentFrames_ = 0;
    return;
  }
  silentFrames_ += frames;
  if (silentFrames_ < idleFrames_) return;
  std::unique_lock<std::mutex> lock(mutex_);
  // A call waiting for the mixer's lock must get it.
  if (calls_ > 0 || closed_) return;
  ++sleeps_;
  // Every call that began meanwhile wakes it, even one already over.
  const uint64_t calls = callsBegun_;
  wake_.wait(lock, [&] { return callsBegun_ != calls || closed_; });
  silentFrames_ = 0;
}

void SilenceGate::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  closed_ = true;
  wake_.notify_all();
}

int SilenceGate::Sleeps() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sleeps_;
}

SilenceGate::Call::Call(SilenceGate& gate) : gate_(gate) {
  std::lock_guard<std::mutex> lock(gate_.mutex_);
  ++gate_.calls_;
  ++gate_.callsBegun_;
  gate_.wake_.notify_all();
}

SilenceGate::Call::~Call() {
  std::lock_guard<std::mutex> lock(gate_.mutex_);
  --gate_.calls_;
}

}  // namespace sound
