#include "platform/HostBase.h"

#include <exception>
#include <iostream>
#include <utility>

namespace platform {

HostBase::HostBase(std::string programName) : programName_(std::move(programName)) {}

void HostBase::SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

void HostBase::SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

bool HostBase::RunBeep() const {
  if (!beep_) return false;
  beep_();
  return true;
}

std::string HostBase::TitleOrName(const std::string& title) const {
  return title.empty() ? programName_ : title;
}

void HostBase::RunOnEnd() const {
  if (onEnd_) onEnd_();
}

void HostBase::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    FailUnexpectedly(error.what());
  } catch (...) {
    FailUnexpectedly("unknown error");
  }
}

void HostBase::FailUnexpectedly(const std::string& what) {
  // Nothing of the program runs any more, whatever arrives during the box.
  failing_ = true;
  std::cerr << programName_ << ": unexpected error: " << what << "\n";
  ShowFailure(what);
  EndProgram(1);
}

}  // namespace platform
