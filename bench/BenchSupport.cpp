#include "bench/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <ctime>
#include <fstream>
#include <stdexcept>
#include <vector>

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

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double ThreadCpuSeconds() {
  // The first number is the time the thread has run, in nanoseconds.
  std::ifstream stat("/proc/thread-self/schedstat");
  long long ns = -1;
  if (!(stat >> ns)) return -1;
  return static_cast<double>(ns) / 1e9;
}

std::filesystem::path ProgramFolder() { return TARNWICK_PROGRAM_DIR; }

ScratchFolder::ScratchFolder(const std::string& label) {
  path_ = std::filesystem::temp_directory_path() /
          ("tarnwick-bench-" + label + "-" + std::to_string(NowNs()));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

// The figures drive the programs with keys only; a dialog would wait for a
// person who is not there.
void BenchHost::ShowMessage(const std::string& text, const std::string& /*title*/) {
  throw std::runtime_error("unexpected message box: " + text);
}

bool BenchHost::AskYesNo(const std::string& text, const std::string& /*title*/) {
  throw std::runtime_error("unexpected question: " + text);
}

std::string BenchHost::AskText(const std::string& prompt, const std::string& /*title*/) {
  throw std::runtime_error("unexpected input box: " + prompt);
}

RealStack::RealStack(int bufferFrames) : device(bufferFrames) {
  // Key events name the keyboard they come from; made on first use, it must
  // be made here on the window thread, not by a thread that posts keys.
  QInputDevice::primaryKeyboard();
  device.SetClipEndListener([this] { host.PostWakeUp(); });
  host.SetBeep([this] { device.PlayBeep(); });
}

RealStack::~RealStack() {
  sound::SdlSoundDevice::SetPlayObserver(nullptr);
  device.Close();
}

void EntryProbe::Form_KeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(NowNs());
  inner_.Form_KeyDown(keyCode, shift);
}

void PostKey(platform::QtWindowHost& host, Key key, bool press) {
  Qt::Key qtKey = Qt::Key_A;
  switch (key) {
    case Key::Right:
      qtKey = Qt::Key_Right;
      break;
    case Key::Left:
      qtKey = Qt::Key_Left;
      break;
    case Key::Up:
      qtKey = Qt::Key_Up;
      break;
    case Key::Down:
      qtKey = Qt::Key_Down;
      break;
    case Key::Space:
      qtKey = Qt::Key_Space;
      break;
    case Key::Enter:
      qtKey = Qt::Key_Return;
      break;
    case Key::Escape:
      qtKey = Qt::Key_Escape;
      break;
    case Key::A:
      qtKey = Qt::Key_A;
      break;
  }
  const QEvent::Type type = press ? QEvent::KeyPress : QEvent::KeyRelease;
  QCoreApplication::postEvent(&host.Window(), new QKeyEvent(type, qtKey, Qt::NoModifier));
}

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void After(int milliseconds, std::function<void()> action) {
  QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(action));
}

}  // namespace bench

namespace bench {

void ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void UseHeadlessPlatform() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
}

StepClipStack::StepClipStack(const std::string& label)
    : folder(label), clips(stack.device, stack.benchHost, folder.Path()) {
  std::filesystem::copy_file(ProgramFolder() / sound::kStepClipName,
                             folder.Path() / sound::kStepClipName);
  std::string reason;
  if (!clips.StartUp(reason)) throw std::runtime_error(reason);
  clips.LoadStepClip();
}

}  // namespace bench
