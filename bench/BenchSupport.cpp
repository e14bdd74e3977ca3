#include "bench/BenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace bench {

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::vector<double> TimeMs(int runs, const std::function<void()>& action) {
  action();  // warm-up
  std::vector<double> samples;
  for (int run = 0; run < runs; ++run) {
    const int64_t start = NowNs();
    action();
    samples.push_back(static_cast<double>(NowNs() - start) / 1e6);
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

namespace {

void Put(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteToneWav(const std::filesystem::path& path, double seconds, int rate) {
  const auto frames = static_cast<uint32_t>(std::lround(seconds * rate));
  std::string out = "RIFF";
  Put(out, 36 + frames * 2, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, static_cast<uint32_t>(rate), 4);
  Put(out, static_cast<uint32_t>(rate * 2), 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double value = 0.3 * std::sin(2.0 * std::numbers::pi * 440.0 * i / rate);
    Put(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(32767 * value))), 2);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
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
