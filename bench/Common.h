#pragma once
// What the desktop and the Windows benchmarks share, in portable C++: the
// clock, the summary of samples, the plays a watch on the sound device saw,
// steps pressed and timed to their plays, and the game's folder.

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "sound/PlayWatch.h"

namespace bench {

// Monotonic nanoseconds; the same clock in every process of the machine.
int64_t NowNs();

struct Summary {
  double median = 0;
  double p95 = 0;
  size_t count = 0;
};

// Nearest rank: the 95th percentile of 5 samples is the largest.
Summary Summarize(std::vector<double> samples);

// Every play the watch saw, by file name, at the moment it was handed on;
// safe from any thread.
class PlayLog {
 public:
  // For the watch's onPlay.
  sound::PlayWatch::Listener Listener();
  size_t Count();
  // The time of the first play of `name` from play number `from` on, and
  // `from` moved past it; -1 when none came within timeoutMs.
  int64_t WaitFor(const std::string& name, size_t& from, int timeoutMs);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::pair<std::string, int64_t>> plays_;
};

struct StepTimes {
  std::vector<double> toPlayUs;
  int lost = 0;
};

// Right and Left in turn, which keep the player on open floor, 1 to 3 ms
// apart, long enough for the window to be blocked waiting again; each
// key-down is timed to its step's play, the first warmUps not counted.
// `post` posts a key-down or key-up; `heard` is told when each counted
// key-down was posted.
StepTimes PressSteps(PlayLog& plays, int presses, int warmUps,
                     const std::function<void(bool right, bool down)>& post,
                     const std::function<void(int64_t posted)>& heard = {});

// The clips of the program folder and one maze of open floor with the start
// at 50,50, as maze 1.
void PrepareGameFolder(const std::filesystem::path& programFolder,
                       const std::filesystem::path& folder);

}  // namespace bench
