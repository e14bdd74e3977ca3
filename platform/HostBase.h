#pragma once
// What every real window host shares: the program's name, which titles the
// boxes that have no title of their own, and the start-up's wiring of the
// beep and of the program's end.

#include <functional>
#include <string>
#include <utility>

#include "platform/WindowHost.h"

namespace platform {

class HostBase : public WindowHost {
 public:
  explicit HostBase(std::string programName) : programName_(std::move(programName)) {}

  // Plays the edge beep (the sound device's generated tone).
  void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }
  // Runs just before the program ends (closes the audio).
  void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

 protected:
  std::string TitleOrName(const std::string& title) const {
    return title.empty() ? programName_ : title;
  }

  std::string programName_;
  std::function<void()> beep_;
  std::function<void()> onEnd_;
};

}  // namespace platform
