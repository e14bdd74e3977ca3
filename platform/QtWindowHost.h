#pragma once
// The window host on Qt Widgets: one plain window whose keys, close request
// and timer reach the program's frmMain, and Qt's standard dialogs.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/HostBase.h"

class QWidget;
class QTimer;

namespace platform {

class FormWidget;
class WakeTarget;

class QtWindowHost final : public HostBase {
 public:
  // A QApplication must exist. The program's name titles message boxes that
  // have no title of their own.
  explicit QtWindowHost(std::string programName);
  ~QtWindowHost() override;
  QtWindowHost(const QtWindowHost&) = delete;
  QtWindowHost& operator=(const QtWindowHost&) = delete;

  void SetCaption(const std::string& caption) override;
  void ShowWindow() override;
  void StartTimer(int intervalMs) override;
  void DoEvents() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override;
  [[noreturn]] void EndProgram(int status) override;

  // Routes the window's events to the program from now on.
  void Attach(WindowEvents& events);

  // Wakes a DoEvents that is blocked waiting. Safe from any thread.
  void PostWakeUp();

  // Attaches the program, delivers its load event once the event loop runs,
  // and runs the loop; the program ends when the loop does.
  [[noreturn]] void Run(WindowEvents& events);

  QWidget& Window();
  // The folder that holds the running program.
  static std::filesystem::path ProgramFolder();

 private:
  friend class FormWidget;
  friend class WakeTarget;

  // Hands one window event to the program, guarded.
  void Deliver(const std::function<void(WindowEvents&)>& handler);
  void NoteWakeUp() { ++deliveries_; }
  // Gives the keyboard back to the window after a dialog.
  void Reactivate();
  void ShowFailure(const std::string& what) override;

  WindowEvents* events_ = nullptr;
  std::unique_ptr<FormWidget> window_;
  std::unique_ptr<WakeTarget> wakeTarget_;
  std::unique_ptr<QTimer> timer_;
  // Events handed to the program (keys, ticks, close requests, wake-ups),
  // so that DoEvents knows whether anything it waits for has come.
  uint64_t deliveries_ = 0;
};

}  // namespace platform
