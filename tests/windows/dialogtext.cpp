// dialogtext: the texts of the open dialogs, as a screen reader reads them
// through the standard window functions. For each visible dialog: its
// title, then each control's class and text, one a line:
//   dialog: Loomsel
//   Static: Save the maze?
//   Button: &Yes
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  return out;
}

std::string TextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return Utf8(text);
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return Utf8(name);
}

BOOL CALLBACK ListControl(HWND control, LPARAM) {
  if (IsWindowVisible(control) == 0) return TRUE;
  std::printf("%s: %s\n", ClassOf(control).c_str(), TextOf(control).c_str());
  return TRUE;
}

BOOL CALLBACK ListDialog(HWND window, LPARAM found) {
  if (IsWindowVisible(window) == 0 || ClassOf(window) != "#32770") return TRUE;
  std::printf("dialog: %s\n", TextOf(window).c_str());
  EnumChildWindows(window, ListControl, 0);
  ++*reinterpret_cast<int*>(found);
  return TRUE;
}

}  // namespace

int main() {
  int found = 0;
  EnumWindows(ListDialog, reinterpret_cast<LPARAM>(&found));
  std::fflush(stdout);
  return found > 0 ? 0 : 1;
}
