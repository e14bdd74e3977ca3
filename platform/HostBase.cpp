#include "platform/HostBase.h"

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

}  // namespace platform
