#pragma once
// The window host: everything a program's frmMain needs from the window
// system, and nothing more. The Qt host runs the real window; the tests run
// a fake one on a virtual clock.

#include <string>

namespace platform {

// Virtual-key codes the programs react to.
namespace vk {
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
constexpr int Letter(char capital) { return static_cast<unsigned char>(capital); }
}  // namespace vk

// The modifier set of a key event.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// The window's events, as the host delivers them to the program.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void Form_Load() = 0;
  virtual void Form_KeyDown(int keyCode, int shift) = 0;
  virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}
  // The periodic timer, when the program has started one.
  virtual void tmrScore_Timer() {}
  // A close request (close box, window manager). Setting cancel keeps the
  // window open.
  virtual void Form_Unload(bool& cancel) = 0;
  // Whether leaving now would lose work the user has not saved. A window can
  // always be closed through Form_Unload; a web page can be left without it,
  // so the page asks first while this holds.
  virtual bool HasUnsavedWork() const { return false; }
};

// Services the host offers to the program.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void ShowWindow() = 0;
  virtual void StartTimer(int intervalMs) = 0;

  // Handle every pending window event (key-downs, key-ups, ticks, close
  // requests run nested inside the caller). When none was pending, block
  // until the next event, timer tick or sound wake-up arrives.
  virtual void DoEvents() = 0;

  // Modal dialogs. An empty title means the program's own name.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
  // Empty text on Cancel.
  virtual std::string AskText(const std::string& prompt, const std::string& title) = 0;

  virtual void Beep() = 0;

  // Ends the whole program at once: nothing after the call runs.
  [[noreturn]] virtual void EndProgram(int status) = 0;
};

}  // namespace platform
