// The Windows edition's figures, on the real Win32 host and DirectSound
// device (under wine on this machine): start-up to the intro's Play,
// processor use while the intro is awaited, and key-down message to the
// step's DirectSound Play. Run as: tarnwick_bench_windows <program-folder>
// [presses]; prints one line of figures.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/frmMain.h"
#include "maze/MazeFile.h"
#include "platform/Win32WindowHost.h"
#include "sound/DirectSoundDevice.h"

namespace {

int64_t Now100ns() {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<int64_t>(ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart);
}

int64_t Ticks(const FILETIME& time) {
  return static_cast<int64_t>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

// A clip's Play as it reached DirectSound, by name, at its time.
struct Played {
  std::string name;
  int64_t at;
};

std::mutex mutex;
std::condition_variable playedChanged;
std::vector<Played> plays;

class TimedClip final : public sound::Clip {
 public:
  TimedClip(std::unique_ptr<sound::Clip> inner, std::string name)
      : inner_(std::move(inner)), name_(std::move(name)) {}
  bool IsPlaying() const override { return inner_->IsPlaying(); }
  void Play() override {
    inner_->Play();
    const int64_t at = Now100ns();
    {
      std::lock_guard<std::mutex> lock(mutex);
      plays.push_back({name_, at});
    }
    playedChanged.notify_all();
  }
  void SetPosition(uint32_t position) override { inner_->SetPosition(position); }
  void SetPan(int32_t pan) override { inner_->SetPan(pan); }
  void Stop() override { inner_->Stop(); }

 private:
  std::unique_ptr<sound::Clip> inner_;
  std::string name_;
};

// The real device, its clips' plays timed.
class TimedDevice final : public sound::SoundDevice {
 public:
  explicit TimedDevice(sound::SoundDevice& inner) : inner_(inner) {}
  bool Open(std::string& reason) override { return inner_.Open(reason); }
  std::unique_ptr<sound::Clip> CreateClip(const std::filesystem::path& wav,
                                          sound::ClipSlot slot) override {
    auto clip = inner_.CreateClip(wav, slot);
    if (!clip) return clip;
    return std::make_unique<TimedClip>(std::move(clip), wav.filename().string());
  }
  void Preload(const std::filesystem::path& wav) override { inner_.Preload(wav); }
  void PlayBeep() override { inner_.PlayBeep(); }
  void SetClipEndListener(std::function<void()> listener) override {
    inner_.SetClipEndListener(std::move(listener));
  }
  void Close() override { inner_.Close(); }

 private:
  sound::SoundDevice& inner_;
};

// Waits for the next play of `name` after `from` plays; its time, or -1.
int64_t WaitForPlay(const std::string& name, size_t& from, int timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex);
  int64_t at = -1;
  playedChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    for (; from < plays.size(); ++from) {
      if (plays[from].name == name) {
        at = plays[from++].at;
        return true;
      }
    }
    return false;
  });
  return at;
}

struct CpuTimes {
  int64_t process = 0;
  int64_t thread = 0;
};

CpuTimes Cpu(HANDLE windowThread) {
  FILETIME created, ended, kernel, user;
  CpuTimes times;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  times.process = Ticks(kernel) + Ticks(user);
  GetThreadTimes(windowThread, &created, &ended, &kernel, &user);
  times.thread = Ticks(kernel) + Ticks(user);
  return times;
}

void Key(HWND window, UINT message, WPARAM key) { PostMessageW(window, message, key, 0); }

double Percentile(std::vector<double> values, double part) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t rank = static_cast<size_t>(std::ceil(part * static_cast<double>(values.size())));
  return values[std::max<size_t>(rank, 1) - 1];
}

void Drive(HWND window, HANDLE windowThread, DWORD windowThreadId, int presses) {
  size_t seen = 0;
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const int64_t introAt = WaitForPlay("mazeIntro.wav", seen, 30000);
  const CpuTimes introCpu = Cpu(windowThread);
  const int64_t menuAt = WaitForPlay("chooseMaze.wav", seen, 30000);
  const CpuTimes menuCpu = Cpu(windowThread);
  // Enter chooses maze 1 once the menu has spoken it.
  int64_t goAt = -1;
  for (int i = 0; i < 100 && goAt < 0; ++i) {
    Key(window, WM_KEYDOWN, VK_RETURN);
    Key(window, WM_KEYUP, VK_RETURN);
    goAt = WaitForPlay("go.wav", seen, 200);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(2000));
  std::vector<double> toPlayUs;
  int lost = 0;
  std::mt19937 random(7);
  for (int i = 0; i < presses; ++i) {
    std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 2000));
    const WPARAM key = i % 2 == 0 ? VK_RIGHT : VK_LEFT;
    {
      std::lock_guard<std::mutex> lock(mutex);
      seen = plays.size();
    }
    const int64_t posted = Now100ns();
    Key(window, WM_KEYDOWN, key);
    const int64_t played = WaitForPlay("step.wav", seen, 1000);
    if (played < 0) {
      ++lost;
    } else {
      toPlayUs.push_back(static_cast<double>(played - posted) / 10.0);
    }
    Key(window, WM_KEYUP, key);
  }
  const double introSeconds = static_cast<double>(menuAt - introAt) / 1e7;
  std::printf(
      "start-up to the intro's Play: %.0f ms\n"
      "processor use while the intro (%.1f s) is awaited: %.2f %% of a core "
      "(window thread %.2f %%)\n"
      "key-down message to the step's Play: median %.0f us, p95 %.0f us, %zu presses, %d lost%s\n",
      static_cast<double>(introAt - Ticks(created)) / 1e4, introSeconds,
      100.0 * static_cast<double>(menuCpu.process - introCpu.process) / 1e7 / introSeconds,
      100.0 * static_cast<double>(menuCpu.thread - introCpu.thread) / 1e7 / introSeconds,
      Percentile(toPlayUs, 0.5), Percentile(toPlayUs, 0.95), toPlayUs.size(), lost,
      goAt < 0 ? " (maze 1 never started)" : "");
  std::fflush(stdout);
  PostThreadMessageW(windowThreadId, WM_QUIT, 0, 0);
}

// The clips beside the programs and one maze of open floor, start at 50, 50.
std::filesystem::path PrepareFolder(const std::filesystem::path& programFolder) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("tarnwick-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  for (const auto& entry : std::filesystem::directory_iterator(programFolder)) {
    if (entry.path().extension() == ".wav") {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {50, 50};
  record.goal = {1, 1};
  maze::SaveMaze(maze::MazePath(folder, "1"), record);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tarnwick_bench_windows <program-folder> [presses]\n");
    return 2;
  }
  const std::filesystem::path folder = PrepareFolder(argv[1]);
  const int presses = argc > 2 ? std::atoi(argv[2]) : 500;
  platform::Win32WindowHost host("Tarnwick");
  sound::DirectSoundDevice device(host.Window());
  device.SetClipEndListener([&host] { host.PostWakeUp(); });
  host.SetBeep([&device] { device.PlayBeep(); });
  host.SetOnEnd([&device, folder] {
    device.Close();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  });
  TimedDevice timed(device);
  game::frmMain form(host, timed, folder);
  HANDLE windowThread = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &windowThread, 0,
                  FALSE, DUPLICATE_SAME_ACCESS);
  std::thread driver(Drive, host.Window(), windowThread, GetCurrentThreadId(), presses);
  driver.detach();
  host.Run(form);
}
