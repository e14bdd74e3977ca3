#include <QApplication>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "bench/Figures.h"
#include "game/GameTexts.h"

namespace bench {

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

RealStack::RealStack(int bufferFrames) : sdl(bufferFrames) {
  // Key events name the keyboard they come from; made on first use, it must
  // be made here on the window thread, not by a thread that posts keys.
  QInputDevice::primaryKeyboard();
  device.SetClipEndListener([this] { host.PostWakeUp(); });
  host.SetBeep([this] { device.PlayBeep(); });
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

void WhileWindowWaits(platform::QtWindowHost& host, const std::function<void()>& poster) {
  std::atomic<bool> done{false};
  std::thread thread([&] {
    poster();
    done = true;
    host.PostWakeUp();
  });
  while (!done) host.DoEvents();
  thread.join();
}

void After(int milliseconds, std::function<void()> action) {
  QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(action));
}

void ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

ClipStack::ClipStack() : clips(stack.device, stack.benchHost, folder.Path()) {
  std::string reason;
  if (!clips.StartUp(reason)) throw std::runtime_error(reason);
}

GameSession::GameSession(int bufferFrames)
    : stack(bufferFrames), form(stack.benchHost, stack.device, folder.Path()), probe(form) {
  // The window reads its folder only once it loads.
  PrepareGameFolder(ProgramFolder(), folder.Path());
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
