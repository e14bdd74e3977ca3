#include "tests/support/FakeHost.h"

#include <algorithm>

namespace fake {
namespace {

const char* KindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Message: return "message box";
    case DialogKind::YesNo: return "Yes/No box";
    case DialogKind::Text: return "input box";
  }
  return "dialog";
}

}  // namespace

void FakeHost::Schedule(ScriptedEvent event) {
  auto at = std::upper_bound(script_.begin(), script_.end(), event.at,
                             [](int64_t t, const ScriptedEvent& e) { return t < e.at; });
  script_.insert(at, event);
}

void FakeHost::KeyDown(int64_t at, int key, int shift) {
  Schedule({ScriptedEvent::KeyDown, at, key, shift});
}

void FakeHost::KeyUp(int64_t at, int key, int shift) {
  Schedule({ScriptedEvent::KeyUp, at, key, shift});
}

void FakeHost::Press(int64_t at, int key, int shift, int64_t holdMs) {
  KeyDown(at, key, shift);
  KeyUp(at + holdMs, key, shift);
}

void FakeHost::CloseRequest(int64_t at) { Schedule({ScriptedEvent::Close, at, 0, 0}); }

std::optional<int> FakeHost::Run(platform::WindowEvents& program) {
  program_ = &program;
  try {
    program.Form_Load();
    while (true) DoEvents();
  } catch (const ProgramEnded& ended) {
    return ended.status;
  } catch (const Quiet&) {
  }
  return std::nullopt;
}

void FakeHost::SetCaption(const std::string& caption) { captions.push_back({clock_.now, caption}); }

void FakeHost::StartTimer(int intervalMs) {
  timerInterval_ = intervalMs;
  nextTick_ = clock_.now + intervalMs;
}

void FakeHost::Deliver(const ScriptedEvent& event) {
  lastActivity_ = std::max(lastActivity_, clock_.now);
  switch (event.kind) {
    case ScriptedEvent::KeyDown: program_->Form_KeyDown(event.key, event.shift); break;
    case ScriptedEvent::KeyUp: program_->Form_KeyUp(event.key, event.shift); break;
    case ScriptedEvent::Close: {
      bool cancel = false;
      program_->Form_Unload(cancel);
      closeCancelled.push_back(cancel);
      if (!cancel) EndProgram(0);
      break;
    }
  }
  if (afterEvent) afterEvent();
}

bool FakeHost::DeliverDue() {
  bool delivered = sound_.TakePassedEnds() > 0;
  if (delivered) lastActivity_ = std::max(lastActivity_, clock_.now);
  // Pop before delivering: a nested yield inside the handler takes the
  // events after it, as the window system would.
  while (!script_.empty() && script_.front().at <= clock_.now) {
    ScriptedEvent event = script_.front();
    script_.pop_front();
    Deliver(event);
    delivered = true;
  }
  if (timerInterval_ > 0 && nextTick_ <= clock_.now) {
    nextTick_ += timerInterval_;
    program_->tmrScore_Timer();
    if (afterEvent) afterEvent();
    delivered = true;
  }
  return delivered;
}

std::optional<int64_t> FakeHost::NextDue() const {
  std::optional<int64_t> next;
  auto consider = [&next](int64_t t) {
    if (!next || t < *next) next = t;
  };
  if (!script_.empty()) consider(script_.front().at);
  std::optional<int64_t> clipEnd = sound_.NextClipEnd();
  if (clipEnd) consider(*clipEnd);
  // Ticks go on while anything may still happen, then for a short settling
  // time so queued announcements can start and finish.
  if (timerInterval_ > 0) {
    bool busy = !script_.empty() || clipEnd.has_value();
    if (busy || nextTick_ <= lastActivity_ + settleMs) consider(nextTick_);
  }
  return next;
}

void FakeHost::DoEvents() {
  ++yields;
  if (DeliverDue()) return;
  std::optional<int64_t> next = NextDue();
  if (!next) throw Quiet{};
  if (*next > timeLimitMs) throw ScriptError("the program waited past the time limit");
  clock_.now = std::max(clock_.now, *next);
  DeliverDue();
}

DialogAnswer FakeHost::TakeAnswer(DialogKind kind, const std::string& text) {
  if (answerer) return answerer(kind, text);
  if (answers_.empty()) {
    throw ScriptError(std::string("unexpected ") + KindName(kind) + ": \"" + text + "\"");
  }
  DialogAnswer answer = answers_.front();
  answers_.pop_front();
  if (answer.kind != kind) {
    throw ScriptError(std::string("expected a ") + KindName(answer.kind) + ", got a " +
                      KindName(kind) + ": \"" + text + "\"");
  }
  return answer;
}

void FakeHost::ShowMessage(const std::string& text, const std::string& title) {
  dialogs.push_back({clock_.now, DialogKind::Message, text, title, {}});
  dialogs.back().answer = TakeAnswer(DialogKind::Message, text);
}

bool FakeHost::AskYesNo(const std::string& text, const std::string& title) {
  dialogs.push_back({clock_.now, DialogKind::YesNo, text, title, {}});
  dialogs.back().answer = TakeAnswer(DialogKind::YesNo, text);
  return dialogs.back().answer.yes;
}

std::string FakeHost::AskText(const std::string& prompt, const std::string& title) {
  dialogs.push_back({clock_.now, DialogKind::Text, prompt, title, {}});
  dialogs.back().answer = TakeAnswer(DialogKind::Text, prompt);
  return dialogs.back().answer.text;
}

void FakeHost::EndProgram(int status) {
  endStatus = status;
  sound_.Close();
  throw ProgramEnded{status};
}

}  // namespace fake
