#include "bench/Common.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>
#include <thread>

#include "maze/MazeFile.h"
#include "sound/ClipNames.h"

namespace bench {

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

Summary Summarize(std::vector<double> samples) {
  Summary summary;
  summary.count = samples.size();
  if (samples.empty()) return summary;
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  const auto rank = static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n)));
  summary.p95 = samples[std::max<size_t>(rank, 1) - 1];
  return summary;
}

sound::PlayWatch::Listener PlayLog::Listener() {
  return [this](const sound::PlayedClip& clip) {
    std::unique_lock<std::mutex> lock(mutex_);
    plays_.emplace_back(clip.file.string(), NowNs());
    lock.unlock();
    changed_.notify_all();
  };
}

size_t PlayLog::Count() {
  std::lock_guard<std::mutex> lock(mutex_);
  return plays_.size();
}

int64_t PlayLog::WaitFor(const std::string& name, size_t& from, int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  int64_t at = -1;
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    for (; from < plays_.size(); ++from) {
      if (plays_[from].first == name) {
        at = plays_[from++].second;
        return true;
      }
    }
    return false;
  });
  return at;
}

StepTimes PressSteps(PlayLog& plays, int presses, int warmUps,
                     const std::function<void(bool right, bool down)>& post,
                     const std::function<void(int64_t posted)>& heard) {
  StepTimes times;
  std::mt19937 random(7);
  for (int i = 0; i < warmUps + presses; ++i) {
    std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 2000));
    size_t seen = plays.Count();
    const int64_t posted = NowNs();
    post(i % 2 == 0, true);
    const int64_t played = plays.WaitFor(sound::kStepClipName, seen, 1000);
    if (played < 0) {
      ++times.lost;
    } else if (i >= warmUps) {
      times.toPlayUs.push_back(static_cast<double>(played - posted) / 1000.0);
      if (heard) heard(posted);
    }
    post(i % 2 == 0, false);
  }
  return times;
}

void PrepareGameFolder(const std::filesystem::path& programFolder,
                       const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(programFolder)) {
    if (entry.path().extension() == ".wav") {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {50, 50};
  record.goal = {1, 1};
  const maze::SaveResult saved = maze::SaveMaze(maze::MazePath(folder, "1"), record);
  if (!saved.ok) throw std::runtime_error("cannot write the maze: " + saved.reason);
}

}  // namespace bench
