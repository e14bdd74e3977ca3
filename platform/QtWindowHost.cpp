#include "platform/QtWindowHost.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <utility>

#include "platform/KeyMap.h"
#include "platform/X11KeyRepeat.h"

namespace platform {
namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 213;

QEvent::Type WakeUpEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// The program's one window: hands its keys and close requests to frmMain.
class FormWidget final : public QWidget {
 public:
  explicit FormWidget(QtWindowHost& host) : host_(host) {
    setFocusPolicy(Qt::StrongFocus);
    resize(kClientWidth, kClientHeight);
  }

 protected:
  bool event(QEvent* event) override {
    // Every key goes to the program, Tab included, rather than moving focus.
    if (event->type() == QEvent::KeyPress) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
    return QWidget::event(event);
  }

  // A held key repeats its key-down, as the programs expect.
  void keyPressEvent(QKeyEvent* event) override {
    const int key = VirtualKeyFromQt(event->key(), event->nativeScanCode());
    const int shift = ShiftStateFromQt(event->modifiers());
    host_.Deliver([&](WindowEvents& events) { events.Form_KeyDown(key, shift); });
  }

  // Where the window system still sends each repeat of a held key as a
  // release and a press, the program hears only the real release.
  void keyReleaseEvent(QKeyEvent* event) override {
    if (event->isAutoRepeat()) return;
    const int key = VirtualKeyFromQt(event->key(), event->nativeScanCode());
    const int shift = ShiftStateFromQt(event->modifiers());
    host_.Deliver([&](WindowEvents& events) { events.Form_KeyUp(key, shift); });
  }

  void closeEvent(QCloseEvent* event) override {
    bool cancel = false;
    host_.Deliver([&](WindowEvents& events) { events.Form_Unload(cancel); });
    if (cancel) {
      event->ignore();
      return;
    }
    event->accept();
    host_.EndProgram(0);
  }

 private:
  QtWindowHost& host_;
};

// A question has no Cancel: only Yes or No answers it. Escape (a second
// press, or a held key's repeat) and a close request from the title bar
// would otherwise answer No for the author.
class QuestionBox final : public QMessageBox {
 public:
  QuestionBox(const QString& title, const QString& text, QWidget* parent)
      : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// Receives the wake-ups posted from the sound device's thread.
class WakeTarget final : public QObject {
 public:
  explicit WakeTarget(QtWindowHost& host) : host_(host) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() != WakeUpEventType()) return QObject::event(event);
    host_.NoteWakeUp();
    return true;
  }

 private:
  QtWindowHost& host_;
};

QtWindowHost::QtWindowHost(std::string programName)
    : HostBase(std::move(programName)),
      window_(std::make_unique<FormWidget>(*this)),
      wakeTarget_(std::make_unique<WakeTarget>(*this)),
      timer_(std::make_unique<QTimer>()) {
  // Only the program decides when it ends: a message box closing while the
  // window is still hidden must not stop the event loop.
  QApplication::setQuitOnLastWindowClosed(false);
  // A held key's repeats must never look like its release, however late the
  // window system's events come in.
  AskForDetectableAutoRepeat();
  window_->setWindowTitle(ToQt(ProgramName()));
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->callOnTimeout([this] { Deliver([](WindowEvents& events) { events.tmrScore_Timer(); }); });
}

QtWindowHost::~QtWindowHost() = default;

void QtWindowHost::SetCaption(const std::string& caption) {
  window_->setWindowTitle(ToQt(caption));
}

void QtWindowHost::ShowWindow() {
  window_->show();
  Reactivate();
}

void QtWindowHost::StartTimer(int intervalMs) { timer_->start(intervalMs); }

void QtWindowHost::DoEvents() {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  const uint64_t before = deliveries_;
  // Some dispatchers deliver posted events without counting them as
  // processed; a delivery to the program counts all the same.
  if (dispatcher->processEvents(QEventLoop::AllEvents) || deliveries_ != before) return;
  dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
  // A dispatcher may wake for a posted event and leave it for its next pass.
  if (deliveries_ == before) dispatcher->processEvents(QEventLoop::AllEvents);
}

void QtWindowHost::ShowMessage(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, ToQt(TitleOrName(title)), ToQt(text), QMessageBox::Ok,
                  window_.get());
  box.exec();
  Reactivate();
}

bool QtWindowHost::AskYesNo(const std::string& text, const std::string& title) {
  QuestionBox box(ToQt(TitleOrName(title)), ToQt(text), window_.get());
  const bool yes = box.exec() == QMessageBox::Yes;
  Reactivate();
  return yes;
}

std::string QtWindowHost::AskText(const std::string& prompt, const std::string& title) {
  bool accepted = false;
  const QString text = QInputDialog::getText(window_.get(), ToQt(TitleOrName(title)), ToQt(prompt),
                                             QLineEdit::Normal, QString(), &accepted);
  Reactivate();
  return accepted ? text.toStdString() : std::string();
}

void QtWindowHost::Beep() {
  if (!RunBeep()) QApplication::beep();
}

void QtWindowHost::EndProgram(int status) {
  RunOnEnd();
  std::cout.flush();
  std::fflush(nullptr);
  // Leaving at once: unwinding or quitting the event loop could run more of
  // the program, and a window that refuses to close would keep it alive.
  std::_Exit(status);
}

void QtWindowHost::Attach(WindowEvents& events) { events_ = &events; }

void QtWindowHost::PostWakeUp() {
  QCoreApplication::postEvent(wakeTarget_.get(), new QEvent(WakeUpEventType()));
}

void QtWindowHost::Run(WindowEvents& events) {
  Attach(events);
  QMetaObject::invokeMethod(
      window_.get(), [this] { Deliver([](WindowEvents& loaded) { loaded.Form_Load(); }); },
      Qt::QueuedConnection);
  EndProgram(QApplication::exec());
}

void QtWindowHost::ShowFailure(const std::string& what) {
  timer_->stop();
  QMessageBox box(QMessageBox::Critical, ToQt(ProgramName()), ToQt(what), QMessageBox::Ok,
                  window_.get());
  box.exec();
}

QWidget& QtWindowHost::Window() { return *window_; }

std::filesystem::path QtWindowHost::ProgramFolder() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void QtWindowHost::Deliver(const std::function<void(WindowEvents&)>& handler) {
  ++deliveries_;
  if (events_ == nullptr || Failing()) return;
  Guarded([&] { handler(*events_); });
}

void QtWindowHost::Reactivate() {
  // Without a window manager the keyboard otherwise stays with the root
  // window and every later key is lost.
  if (!window_->isVisible()) return;
  window_->raise();
  window_->activateWindow();
}

}  // namespace platform
