// The Windows edition's figures, on the real Win32 host and DirectSound
// device (under wine on this machine): start-up to the intro's Play,
// processor use while the intro is awaited, and key-down message to the
// step's DirectSound Play. Run as: tarnwick_bench_windows <program-folder>
// [presses]; prints one line of figures.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "bench/Common.h"
#include "game/frmMain.h"
#include "platform/Win32WindowHost.h"
#include "sound/DirectSoundDevice.h"

namespace {

int64_t Ticks(const FILETIME& time) {
  return static_cast<int64_t>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

// The process's creation, on the clock of the plays, in nanoseconds.
int64_t CreatedNs() {
  FILETIME created, ended, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  return bench::NowNs() - (Ticks(now) - Ticks(created)) * 100;
}

// Processor time so far, in 100 ns ticks: of the process and of the window
// thread.
struct CpuTimes {
  int64_t process = 0, thread = 0;
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

void Drive(HWND window, HANDLE windowThread, DWORD windowThreadId, int presses,
           bench::PlayLog& plays) {
  size_t seen = 0;
  const int64_t introAt = plays.WaitFor("mazeIntro.wav", seen, 30000);
  const CpuTimes introCpu = Cpu(windowThread);
  const int64_t menuAt = plays.WaitFor("chooseMaze.wav", seen, 30000);
  const CpuTimes menuCpu = Cpu(windowThread);
  // Enter chooses maze 1 once the menu has spoken it.
  int64_t goAt = -1;
  for (int i = 0; i < 100 && goAt < 0; ++i) {
    Key(window, WM_KEYDOWN, VK_RETURN);
    Key(window, WM_KEYUP, VK_RETURN);
    goAt = plays.WaitFor("go.wav", seen, 200);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(2000));
  const bench::StepTimes steps = bench::PressSteps(plays, presses, 0, [&](bool right, bool down) {
    Key(window, down ? WM_KEYDOWN : WM_KEYUP, right ? VK_RIGHT : VK_LEFT);
  });
  const bench::Summary toPlay = bench::Summarize(steps.toPlayUs);
  const double introSeconds = static_cast<double>(menuAt - introAt) / 1e9;
  std::printf(
      "start-up to the intro's Play: %.0f ms\n"
      "processor use while the intro (%.1f s) is awaited: %.2f %% of a core "
      "(window thread %.2f %%)\n"
      "key-down message to the step's Play: median %.0f us, p95 %.0f us, %zu presses, %d lost%s\n",
      static_cast<double>(introAt - CreatedNs()) / 1e6, introSeconds,
      100.0 * static_cast<double>(menuCpu.process - introCpu.process) / 1e7 / introSeconds,
      100.0 * static_cast<double>(menuCpu.thread - introCpu.thread) / 1e7 / introSeconds,
      toPlay.median, toPlay.p95, toPlay.count, steps.lost,
      goAt < 0 ? " (maze 1 never started)" : "");
  std::fflush(stdout);
  PostThreadMessageW(windowThreadId, WM_QUIT, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tarnwick_bench_windows <program-folder> [presses]\n");
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("tarnwick-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  bench::PrepareGameFolder(argv[1], folder);
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
  bench::PlayLog plays;
  sound::PlayWatch watched(device, plays.Listener());
  game::frmMain form(host, watched, folder);
  HANDLE windowThread = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &windowThread, 0,
                  FALSE, DUPLICATE_SAME_ACCESS);
  std::thread driver(Drive, host.Window(), windowThread, GetCurrentThreadId(), presses,
                     std::ref(plays));
  driver.detach();
  host.Run(form);
}
