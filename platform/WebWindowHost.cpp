#include "platform/WebWindowHost.h"

#include <emscripten.h>

#include <cstdlib>
#include <iostream>
#include <utility>

// Made by web/CMakeLists.txt from the one list of the kinds of queued
// events, as is the page's events.js.
#include "platform/WebEvents.h"

namespace platform {
namespace {

// What taking from an empty queue gives; the kinds are numbered from 1.
constexpr int kNoEvent = 0;

// Calls into the page's glue. None of them re-enters the program.
EM_JS(void, JsSetCaption, (const char* caption),
      { Module.webHost.setCaption(UTF8ToString(caption)); });
EM_JS(void, JsShowWindow, (), { Module.webHost.showWindow(); });
EM_JS(void, JsStartTimer, (int intervalMs), { Module.webHost.startTimer(intervalMs); });
EM_JS(int, JsPendingEvents, (), { return Module.webHost.pending(); });
EM_JS(int, JsTakeEvent, (int* code, int* shift), {
  const event = Module.webHost.take();
  if (!event) return 0;
  HEAP32[code >> 2] = event.code;
  HEAP32[shift >> 2] = event.shift;
  return event.type;
});
EM_JS(void, JsOpenDialog,
      (const char* text, const char* title, const char* buttons, int escapeAnswer, int withField), {
        Module.webHost.openDialog(UTF8ToString(text), UTF8ToString(title),
                                  UTF8ToString(buttons).split("|"), escapeAnswer, !!withField);
      });
EM_JS(int, JsDialogAnswer, (), { return Module.webHost.dialogAnswer(); });
EM_JS(char*, JsDialogField, (), {
  const text = Module.webHost.dialogField();
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});
EM_JS(void, JsEnd, (int status), { Module.webHost.end(status); });
EM_JS(int, JsStarted, (), { return Module.webHost.isStarted() ? 1 : 0; });
EM_JS(void, JsSetUnsaved, (int unsaved), { Module.webHost.setUnsaved(!!unsaved); });

// The waits: the program is suspended, and resumed by the page's promise.
EM_ASYNC_JS(void, JsWaitForEvent, (), { await Module.webHost.nextEvent(); });
EM_ASYNC_JS(void, JsSuspendForever, (), { await new Promise(function(){}); });

constexpr int kNoAnswer = -1;

}  // namespace

WebWindowHost::WebWindowHost(std::string programName) : HostBase(std::move(programName)) {
  JsSetCaption(ProgramName().c_str());
}

void WebWindowHost::SetCaption(const std::string& caption) { JsSetCaption(caption.c_str()); }

void WebWindowHost::ShowWindow() { JsShowWindow(); }

void WebWindowHost::StartTimer(int intervalMs) { JsStartTimer(intervalMs); }

void WebWindowHost::DoEvents() {
  // Every yield tells the page what leaving would lose at this moment, also
  // while a dialog is open.
  JsSetUnsaved(events_ != nullptr && events_->HasUnsavedWork() ? 1 : 0);
  if (JsPendingEvents() == 0) JsWaitForEvent();
  // Only the events queued now: a nested handler's own yield may take some
  // of them, and events that arrive meanwhile wait for the next pass.
  for (int pending = JsPendingEvents(); pending > 0; --pending) {
    int code = 0;
    int shift = 0;
    const int type = JsTakeEvent(&code, &shift);
    if (type == kNoEvent) return;
    // The page's own work runs even before the program's window is loaded.
    if (type == web_event::PAGE_TASK) {
      if (pageTask_) pageTask_();
      continue;
    }
    if (events_ == nullptr) continue;
    switch (type) {
      case web_event::KEY_DOWN:
        events_->Form_KeyDown(code, shift);
        break;
      case web_event::KEY_UP:
        events_->Form_KeyUp(code, shift);
        break;
      case web_event::TICK:
        events_->tmrScore_Timer();
        break;
      default:  // a wake-up only ends the wait
        break;
    }
  }
}

int WebWindowHost::RunDialog(const std::string& text, const std::string& title, const char* buttons,
                             int escapeAnswer, std::string* field) {
  JsOpenDialog(text.c_str(), TitleOrName(title).c_str(), buttons, escapeAnswer, field != nullptr);
  int answer = kNoAnswer;
  while ((answer = JsDialogAnswer()) == kNoAnswer) DoEvents();
  if (field != nullptr) {
    char* typed = JsDialogField();
    *field = typed;
    std::free(typed);
  }
  return answer;
}

// Escape answers a message box with OK and an input box with Cancel; a
// Yes/No question has no answer for it and stays open.
void WebWindowHost::ShowMessage(const std::string& text, const std::string& title) {
  RunDialog(text, title, "OK", 0, nullptr);
}

void WebWindowHost::ShowFailure(const std::string& what) { ShowMessage(what, ProgramName()); }

bool WebWindowHost::AskYesNo(const std::string& text, const std::string& title) {
  return RunDialog(text, title, "Yes|No", kNoAnswer, nullptr) == 0;
}

std::string WebWindowHost::AskText(const std::string& prompt, const std::string& title) {
  std::string text;
  const int answer = RunDialog(prompt, title, "OK|Cancel", 1, &text);
  return answer == 0 ? text : std::string();
}

void WebWindowHost::Beep() { RunBeep(); }

void WebWindowHost::EndProgram(int status) {
  // The program's own wiring first, then the page is told.
  RunOnEnd();
  std::cout.flush();
  std::cerr.flush();
  JsEnd(status);
  // Nothing of the program may run again: it stays suspended for good, and
  // the page offers a fresh start.
  JsSuspendForever();
  std::abort();
}

void WebWindowHost::SetPageTask(std::function<void()> task) { pageTask_ = std::move(task); }

void WebWindowHost::WaitForStart() {
  while (JsStarted() == 0) DoEvents();
}

void WebWindowHost::Run(WindowEvents& events) {
  events_ = &events;
  events.Form_Load();
  while (true) DoEvents();
}

}  // namespace platform
