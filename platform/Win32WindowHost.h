#pragma once
// The window host on Win32: one top-level window whose keys, close request
// and timer reach the program's frmMain, and the system's own message boxes
// and a number prompt of standard controls, which screen readers read.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/HostBase.h"

namespace platform {

class Win32WindowHost final : public HostBase {
 public:
  explicit Win32WindowHost(std::string programName);
  ~Win32WindowHost() override;
  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  void SetCaption(const std::string& caption) override;
  void ShowWindow() override;
  void StartTimer(int intervalMs) override;
  void DoEvents() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override;
  [[noreturn]] void EndProgram(int status) override;

  // Wakes a DoEvents that is blocked waiting. Safe from any thread.
  void PostWakeUp();
  // Delivers the program's load event once the message loop runs, and runs
  // the loop; the program ends when the loop does.
  [[noreturn]] void Run(WindowEvents& events);

  HWND Window() const { return window_; }
  // The folder that holds the running program.
  static std::filesystem::path ProgramFolder();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Deliver(const std::function<void(WindowEvents&)>& handler);
  // Dispatches every pending message; false when there was none.
  bool DispatchPending();
  void Reactivate();
  void ShowFailure(const std::string& what) override;

  HWND window_ = nullptr;
  WindowEvents* events_ = nullptr;
};

}  // namespace platform
