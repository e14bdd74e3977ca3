#include "platform/Win32WindowHost.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <utility>

#include "platform/Win32Dialogs.h"

namespace platform {
namespace {

using win32::Widen;

constexpr wchar_t kWindowClass[] = L"TarnwickProgramWindow";
constexpr int kClientWidth = 312;
constexpr int kClientHeight = 213;
constexpr UINT_PTR kTimerId = 1;
// The program's load event, and a wake-up from the sound device.
constexpr UINT kLoadMessage = WM_APP + 1;
constexpr UINT kWakeMessage = WM_APP + 2;

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

void RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

}  // namespace

Win32WindowHost::Win32WindowHost(std::string programName) : HostBase(std::move(programName)) {
  RegisterWindowClass();
  RECT frame{0, 0, kClientWidth, kClientHeight};
  const DWORD style = WS_OVERLAPPEDWINDOW;
  AdjustWindowRect(&frame, style, FALSE);
  window_ = CreateWindowExW(0, kWindowClass, Widen(ProgramName()).c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  // From now on the window's messages come here.
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
}

Win32WindowHost::~Win32WindowHost() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
    DestroyWindow(window_);
  }
}

void Win32WindowHost::SetCaption(const std::string& caption) {
  SetWindowTextW(window_, Widen(caption).c_str());
}

void Win32WindowHost::ShowWindow() {
  ::ShowWindow(window_, SW_SHOW);
  Reactivate();
}

void Win32WindowHost::StartTimer(int intervalMs) {
  SetTimer(window_, kTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void Win32WindowHost::DoEvents() {
  if (DispatchPending()) return;
  // Nothing pending: sleep until a message (a key, the timer, a clip's end
  // posted by the sound device) arrives.
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  DispatchPending();
}

bool Win32WindowHost::DispatchPending() {
  bool any = false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
    if (message.message == WM_QUIT) EndProgram(static_cast<int>(message.wParam));
    DispatchMessageW(&message);
    any = true;
  }
  return any;
}

void Win32WindowHost::ShowMessage(const std::string& text, const std::string& title) {
  MessageBoxW(window_, Widen(text).c_str(), Widen(TitleOrName(title)).c_str(), MB_OK);
  Reactivate();
}

bool Win32WindowHost::AskYesNo(const std::string& text, const std::string& title) {
  // Yes and No only: Escape and the close box do not answer it. Windows
  // gives them no effect on such a box; a system that closes it with Cancel
  // anyway (wine does) shows it again.
  int answer = 0;
  do {
    answer = MessageBoxW(window_, Widen(text).c_str(), Widen(TitleOrName(title)).c_str(), MB_YESNO);
  } while (answer != IDYES && answer != IDNO && answer != 0);
  Reactivate();
  return answer == IDYES;
}

std::string Win32WindowHost::AskText(const std::string& prompt, const std::string& title) {
  const auto text = win32::PromptForText(window_, prompt, TitleOrName(title));
  Reactivate();
  return text.value_or(std::string());
}

void Win32WindowHost::Beep() {
  if (!RunBeep()) MessageBeep(MB_OK);
}

void Win32WindowHost::EndProgram(int status) {
  RunOnEnd();
  std::cout.flush();
  std::fflush(nullptr);
  // Leaving at once: unwinding or returning to the message loop could run
  // more of the program.
  std::_Exit(status);
}

void Win32WindowHost::PostWakeUp() { PostMessageW(window_, kWakeMessage, 0, 0); }

void Win32WindowHost::Run(WindowEvents& events) {
  events_ = &events;
  PostMessageW(window_, kLoadMessage, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  EndProgram(static_cast<int>(message.wParam));
}

void Win32WindowHost::ShowFailure(const std::string& what) {
  KillTimer(window_, kTimerId);
  MessageBoxW(window_, Widen(what).c_str(), Widen(ProgramName()).c_str(), MB_OK | MB_ICONERROR);
}

std::filesystem::path Win32WindowHost::ProgramFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    name.resize(name.size() * 2);
  }
  return std::filesystem::path(name).parent_path();
}

LRESULT CALLBACK Win32WindowHost::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* host = reinterpret_cast<Win32WindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (host == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return host->Handle(message, wParam, lParam);
}

LRESULT Win32WindowHost::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const int key = static_cast<int>(wParam);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      // A held key repeats its key-down with no key-up between.
      const int shift = ShiftState();
      Deliver([&](WindowEvents& events) { events.Form_KeyDown(key, shift); });
      // Alt+F4 still asks the window to close.
      if (message == WM_SYSKEYDOWN && wParam == VK_F4) break;
      return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const int shift = ShiftState();
      Deliver([&](WindowEvents& events) { events.Form_KeyUp(key, shift); });
      return 0;
    }
    case WM_TIMER:
      if (wParam == kTimerId) Deliver([](WindowEvents& events) { events.tmrScore_Timer(); });
      return 0;
    case WM_CLOSE: {
      bool cancel = false;
      Deliver([&](WindowEvents& events) { events.Form_Unload(cancel); });
      if (!cancel && !Failing()) EndProgram(0);
      return 0;
    }
    case kLoadMessage:
      Deliver([](WindowEvents& events) { events.Form_Load(); });
      return 0;
    case kWakeMessage:
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32WindowHost::Deliver(const std::function<void(WindowEvents&)>& handler) {
  if (events_ == nullptr || Failing()) return;
  Guarded([&] { handler(*events_); });
}

void Win32WindowHost::Reactivate() {
  if (IsWindowVisible(window_) == 0) return;
  SetForegroundWindow(window_);
  SetFocus(window_);
}

}  // namespace platform
