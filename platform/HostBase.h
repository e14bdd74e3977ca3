#pragma once
// What every window host shares: the program's name, which titles a dialog
// that has none of its own, and the two hooks the edition's wiring hands in
// at start-up (where the beep is played, what closes when the program ends).

#include <functional>
#include <string>

#include "platform/WindowHost.h"

namespace platform {

class HostBase : public WindowHost {
 public:
  explicit HostBase(std::string programName);

  // Where the beep is played: the sound device's generated tone.
  void SetBeep(std::function<void()> beep);
  // Runs once just before the program ends (closes the audio).
  void SetOnEnd(std::function<void()> onEnd);

  // Runs one of the program's handlers. An exception escaping it is an error
  // nobody foresaw: its text goes to standard error and into a message box
  // titled with the program's name, and the program ends with status 1 here,
  // since it must not unwind through the window system.
  void Guarded(const std::function<void()>& handler);

 protected:
  const std::string& ProgramName() const { return programName_; }
  std::string TitleOrName(const std::string& title) const;
  // Plays the beep handed in; false when there is none, and the host's own
  // beep stands in.
  bool RunBeep() const;
  // Every EndProgram runs it first.
  void RunOnEnd() const;
  // Set once an unforeseen error is being shown: the program hears nothing more.
  bool Failing() const { return failing_; }
  // Stops the timer and shows an unforeseen error's text in the host's own
  // message box.
  virtual void ShowFailure(const std::string& what) = 0;

 private:
  std::string programName_;
  std::function<void()> beep_;
  std::function<void()> onEnd_;
  bool failing_ = false;

  // Ends the program through EndProgram.
  void FailUnexpectedly(const std::string& what);
};

}  // namespace platform
