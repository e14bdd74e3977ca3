#pragma once
// Lets a mixer's thread sleep through silence. SDL2 goes on handing the
// sound server a buffer of zeros every few milliseconds while its device is
// merely paused; a short buffer makes that a steady cost. So after a while
// of silence the mixer's thread waits here instead, inside its mixing step
// and holding the mixer's lock. Every call into the mixer from another
// thread is made inside a Call, which wakes the thread first: the call
// would otherwise wait for the lock for ever.

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace sound {

class SilenceGate {
 public:
  // Sleeps once `idleFrames` frames of silence have been mixed in a row.
  explicit SilenceGate(int64_t idleFrames) : idleFrames_(idleFrames) {}

  // The mixer's thread, after mixing `frames` frames, `silent` when nothing
  // played in them. Returns at once, or after a long silence when a Call
  // begins or the gate closes.
  void AfterMix(int64_t frames, bool silent);

  // Wakes the mixer's thread for good, before the mixer closes.
  void Close();

  // How many times the mixer's thread has gone to sleep.
  int Sleeps() const;

  // A call into the mixer from another thread: the mixer's thread is awake
  // from its start to its end.
  class Call {
   public:
    explicit Call(SilenceGate& gate);
    ~Call();
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

   private:
    SilenceGate& gate_;
  };

 private:
  const int64_t idleFrames_;
  // The mixer's thread alone counts.
  int64_t silentFrames_ = 0;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  int calls_ = 0;
  uint64_t callsBegun_ = 0;
  bool closed_ = false;
  int sleeps_ = 0;
};

}  // namespace sound
