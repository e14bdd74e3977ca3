#pragma once
// The Win32 host's dialogs and text conversions: the system's message boxes
// and the number prompt, a dialog of standard controls built in memory.

#include <windows.h>

#include <optional>
#include <string>

namespace platform::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

// A static prompt, an edit field (focused, empty), OK and Cancel. The typed
// text, or nullopt on Cancel.
std::optional<std::string> PromptForText(HWND owner, const std::string& prompt,
                                         const std::string& title);

}  // namespace platform::win32
