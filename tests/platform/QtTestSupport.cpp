#include "tests/platform/QtTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

// The system's font configuration library keeps a cache it never frees once
// a dialog has loaded fonts; the leak checker of the sanitizer builds is told
// to look past it. Without a sanitizer nothing calls this.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace tarnwick_test {

QApplication& TestApplication() {
  static QApplication* application = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *application;
}

void DrainEvents() {
  for (int pass = 0; pass < 5; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

void RecordingForm::Form_Load() {
  log.push_back("load");
  if (onLoad) onLoad();
}

void RecordingForm::Form_KeyDown(int keyCode, int shift) {
  log.push_back("down " + std::to_string(keyCode) + " " + std::to_string(shift));
  if (onKeyDown) onKeyDown(keyCode);
}

void RecordingForm::Form_KeyUp(int keyCode, int shift) {
  log.push_back("up " + std::to_string(keyCode) + " " + std::to_string(shift));
}

void RecordingForm::Form_Unload(bool& cancel) {
  log.push_back("unload");
  cancel = cancelClose;
}

namespace {

ShownDialog Describe(QWidget& dialog) {
  ShownDialog shown;
  shown.title = dialog.windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
    shown.text = box->text();
    for (QAbstractButton* button : box->buttons()) shown.buttons.push_back(button->text());
  } else if (auto* input = qobject_cast<QInputDialog*>(&dialog)) {
    shown.text = input->labelText();
  }
  return shown;
}

}  // namespace

void AnswerNextDialog(ShownDialog& shown, std::function<void(QWidget& dialog)> answer) {
  // Parented to the application, so it is cleaned up even if no dialog comes.
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, [poll, &shown, answer = std::move(answer)] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    poll->stop();
    poll->deleteLater();
    shown = Describe(*dialog);
    answer(*dialog);
  });
  poll->start(5);
}

void ReportNextDialog() {
  static ShownDialog shown;
  AnswerNextDialog(shown, [](QWidget& dialog) {
    std::fprintf(stderr, "box \"%s\": %s\n", qPrintable(shown.title), qPrintable(shown.text));
    static_cast<QDialog&>(dialog).accept();
  });
}

void ClickButton(QWidget& dialog, int standardButton) {
  auto* box = qobject_cast<QMessageBox*>(&dialog);
  QAbstractButton* button =
      box == nullptr ? nullptr
                     : box->button(static_cast<QMessageBox::StandardButton>(standardButton));
  if (button == nullptr) {
    ADD_FAILURE() << "the dialog has no button 0x" << std::hex << standardButton;
    static_cast<QDialog&>(dialog).reject();
    return;
  }
  button->click();
}

}  // namespace tarnwick_test
