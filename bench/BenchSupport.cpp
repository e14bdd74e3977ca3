#include "bench/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "game/GameTexts.h"
#include "maze/MazeFile.h"

namespace bench {

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::vector<double> Sample(int runs, const std::function<void()>& action, double unitNs,
                           int warmUps, const std::function<void()>& between) {
  for (int run = 0; run < warmUps; ++run) action();
  std::vector<double> samples;
  for (int run = 0; run < runs; ++run) {
    const int64_t start = NowNs();
    action();
    samples.push_back(static_cast<double>(NowNs() - start) / unitNs);
    if (between) between();
  }
  return samples;
}

std::filesystem::path ProgramFolder() { return TARNWICK_PROGRAM_DIR; }

void CopyTone(int seconds, const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path tone =
      std::filesystem::path(TARNWICK_BENCH_TONES) / (std::to_string(seconds) + "s.wav");
  std::filesystem::copy_file(tone, folder / name);
}

ScratchFolder::ScratchFolder(const std::string& label)
    : path(std::filesystem::temp_directory_path() /
           ("tarnwick-bench-" + label + "-" + std::to_string(NowNs()))) {
  std::filesystem::create_directories(path);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

void BenchHost::Unexpected(const std::string& text) {
  throw std::runtime_error("unexpected dialog: " + text);
}

namespace {

struct ProbedClip final : sound::Clip {
  ProbedClip(std::unique_ptr<sound::Clip> clip, sound::ClipSlot slot, std::string name,
             const PlayProbe& probe)
      : clip(std::move(clip)), slot(slot), name(std::move(name)), probe(probe) {}
  bool IsPlaying() const override { return clip->IsPlaying(); }
  void Play() override {
    clip->Play();
    if (probe.onPlay) probe.onPlay(slot, name);
  }
  void SetPosition(uint32_t position) override { clip->SetPosition(position); }
  void SetPan(int32_t pan) override { clip->SetPan(pan); }
  void Stop() override { clip->Stop(); }
  std::unique_ptr<sound::Clip> clip;
  sound::ClipSlot slot;
  std::string name;
  const PlayProbe& probe;
};

}  // namespace

std::unique_ptr<sound::Clip> PlayProbe::CreateClip(const std::filesystem::path& wav,
                                                   sound::ClipSlot slot) {
  std::unique_ptr<sound::Clip> clip = device_.CreateClip(wav, slot);
  if (!clip) return clip;
  return std::make_unique<ProbedClip>(std::move(clip), slot, wav.filename().string(), *this);
}

RealStack::RealStack() {
  // Key events name the keyboard they come from; made on first use, it must
  // be made here on the window thread, not by a thread that posts keys.
  QInputDevice::primaryKeyboard();
  device.SetClipEndListener([this] { host.PostWakeUp(); });
  host.SetBeep([this] { device.PlayBeep(); });
}

void EntryProbe::Form_KeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(NowNs());
  inner_.Form_KeyDown(keyCode, shift);
}

void PostKey(platform::QtWindowHost& host, Key key, bool press) {
  // In the order of Key.
  constexpr Qt::Key kQtKeys[] = {Qt::Key_Right, Qt::Key_Left,   Qt::Key_Up,     Qt::Key_Down,
                                 Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A};
  const QEvent::Type type = press ? QEvent::KeyPress : QEvent::KeyRelease;
  QCoreApplication::postEvent(&host.Window(),
                              new QKeyEvent(type, kQtKeys[static_cast<int>(key)], Qt::NoModifier));
}

void PressKey(platform::QtWindowHost& host, Key key) {
  PostKey(host, key, true);
  PostKey(host, key, false);
}

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void After(int milliseconds, std::function<void()> action) {
  QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(action));
}

void ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void UseHeadlessPlatform() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
}

ClipStack::ClipStack(const std::string& label)
    : folder(label), clips(stack.device, stack.benchHost, folder.path) {
  std::string reason;
  if (!clips.StartUp(reason)) throw std::runtime_error(reason);
}

namespace {

// A maze of open floor with the start at 50,50: left and right arrows
// always step.
void PrepareFolder(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder())) {
    if (entry.path().extension() == ".wav") {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
  }
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {50, 50};
  record.goal = {1, 1};
  const maze::SaveResult saved = maze::SaveMaze(maze::MazePath(folder, "1"), record);
  if (!saved.ok) throw std::runtime_error("cannot write the maze: " + saved.reason);
}

}  // namespace

GameSession::GameSession() : form(stack.benchHost, stack.device, folder.path), probe(form) {
  // The window reads its folder only once it loads.
  PrepareFolder(folder.path);
  stack.host.Attach(probe);
}

double GameSession::StartToGameMode() {
  const int64_t start = NowNs();
  {
    // Enter is lost on the intro, cuts the menu's opening clip short, then
    // chooses maze 1; the presses stop once the load returns.
    std::jthread presser([this](std::stop_token stop) {
      while (!stop.stop_requested()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        PressKey(stack.host, Key::Enter);
      }
    });
    form.Form_Load();
  }
  if (form.FormMode != game::kModeGame) throw std::runtime_error("the game did not start maze 1");
  RunEventLoopFor(200);
  return static_cast<double>(NowNs() - start) / 1e9;
}

}  // namespace bench
