#pragma once
// What the window host tests share: one application on the offscreen
// platform, a frmMain that writes down what reaches it, and a script that
// answers the next modal dialog.

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "platform/QtWindowHost.h"
#include "platform/WindowHost.h"

class QApplication;
class QWidget;

namespace tarnwick_test {

// The test process's one application. Unless told otherwise, Qt draws
// offscreen and SDL plays to its dummy driver.
QApplication& TestApplication();

// A test whose fixture needs the application before its own members.
class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() { TestApplication(); }
};

// Lets everything already queued run, without waiting for more.
void DrainEvents();

// A frmMain that records each event as a line: "load", "down 39 1",
// "up 39 0", "unload".
class RecordingForm : public platform::WindowEvents {
 public:
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_KeyUp(int keyCode, int shift) override;
  void tmrScore_Timer() override { ++ticks; }
  void Form_Unload(bool& cancel) override;

  std::vector<std::string> log;
  int ticks = 0;
  bool cancelClose = false;
  std::function<void()> onLoad;
  std::function<void(int keyCode)> onKeyDown;
};

// A Qt window host for a program of the given name, with a RecordingForm
// attached.
class HostTest : public ApplicationTest {
 protected:
  explicit HostTest(const char* programName = "Loomsel") : host_(programName) {
    host_.Attach(form_);
  }
  void Show() {
    host_.ShowWindow();
    DrainEvents();
  }
  RecordingForm form_;
  platform::QtWindowHost host_;
};

// What a dialog showed: its title, its text (label) and its buttons' texts.
struct ShownDialog {
  QString title;
  QString text;
  std::vector<QString> buttons;
};

// The application must exist. When the next modal dialog comes up, records it into `shown` and lets
// `answer` act on it (click a button, type, accept or reject).
void AnswerNextDialog(ShownDialog& shown, std::function<void(QWidget& dialog)> answer);

// Writes the next dialog's title and text to standard error ("box \"T\": text")
// and accepts it: for the death tests, whose child alone sees the dialog.
void ReportNextDialog();

// Clicks a message box's standard button; fails the test and closes the
// dialog when it has no such button.
void ClickButton(QWidget& dialog, int standardButton);

}  // namespace tarnwick_test
