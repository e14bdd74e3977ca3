#pragma once
// The window host in a web page. The page's listeners (keys, the timer,
// clip ends, dialog answers) only queue events; the program owns the one
// event loop, and DoEvents suspends it (Asyncify) while nothing is queued,
// so a wait costs nothing and the page stays responsive. Each time it yields
// the page learns whether leaving would lose unsaved work. The page's glue
// lives in web/host.js.

#include <functional>
#include <string>

#include "platform/HostBase.h"

namespace platform {

class WebWindowHost final : public HostBase {
 public:
  explicit WebWindowHost(std::string programName);

  void SetCaption(const std::string& caption) override;
  void ShowWindow() override;
  void StartTimer(int intervalMs) override;
  void DoEvents() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskText(const std::string& prompt, const std::string& title) override;
  void Beep() override;
  [[noreturn]] void EndProgram(int status) override;

  // Run when the page queues work that needs the program, such as checking
  // a maze file the user has added; it runs between events.
  void SetPageTask(std::function<void()> task);

  // Suspends until the player has pressed the page's Start button: browsers
  // start audio only after a gesture.
  void WaitForStart();
  // Delivers the load event, then events for as long as the program runs.
  [[noreturn]] void Run(WindowEvents& events);

 private:
  void ShowFailure(const std::string& what) override;
  // A modal dialog in the page with the given buttons (separated by "|") and,
  // when field is given, a text field. Events go on being delivered while
  // it is open, as under a desktop dialog; the keys stay with the dialog.
  // Returns the chosen button's index; escapeAnswer is the one Escape
  // chooses, or -1 for none.
  int RunDialog(const std::string& text, const std::string& title, const char* buttons,
                int escapeAnswer, std::string* field);

  WindowEvents* events_ = nullptr;
  std::function<void()> pageTask_;
};

}  // namespace platform
