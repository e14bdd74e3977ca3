#include "platform/Win32Dialogs.h"

#include <vector>

namespace platform::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;
// Dialog units.
constexpr short kWidth = 220;
// A line of the prompt holds about this many characters of the dialog font;
// the longest prompt, the door's, takes four lines.
constexpr size_t kCharsPerLine = 45;
constexpr short kLineHeight = 9;

// An in-memory dialog template: DLGTEMPLATE and its DLGITEMTEMPLATEs, each
// on a DWORD boundary, with their class, text and creation data in WORDs.
class TemplateWriter {
 public:
  void Align() {
    while (words_.size() % 2 != 0) words_.push_back(0);
  }
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Word(WORD value) { words_.push_back(value); }
  void Text(const std::wstring& text) {
    for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
    words_.push_back(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
            const std::wstring& text) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short v : {x, y, cx, cy}) Word(static_cast<WORD>(v));
    Word(id);
    Word(0xFFFF);  // a predefined class, by its atom
    Word(atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct PromptState {
  std::wstring text;
};

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetFocus(GetDlgItem(dialog, kEditId));
      return FALSE;  // the focus is set here
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const HWND edit = GetDlgItem(dialog, kEditId);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(
            static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->text = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

std::optional<std::string> PromptForText(HWND owner, const std::string& prompt,
                                         const std::string& title) {
  constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
  TemplateWriter t;
  t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);
  t.Word(4);  // controls
  const auto lines = static_cast<short>((prompt.size() + kCharsPerLine - 1) / kCharsPerLine);
  const short promptHeight = static_cast<short>(kLineHeight * (lines > 0 ? lines : 1));
  const short editTop = static_cast<short>(7 + promptHeight + 4);
  const short buttonTop = static_cast<short>(editTop + 14 + 8);
  const short height = static_cast<short>(buttonTop + 14 + 7);
  for (short v : {short{0}, short{0}, kWidth, height}) t.Word(static_cast<WORD>(v));
  t.Word(0);  // no menu
  t.Word(0);  // the standard dialog class
  t.Text(Widen(title));
  t.Word(8);
  t.Text(L"MS Shell Dlg");
  t.Item(SS_LEFT, 7, 7, kWidth - 14, promptHeight, kPromptId, kStatic, Widen(prompt));
  t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, editTop, kWidth - 14, 14, kEditId, kEdit, L"");
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 118, buttonTop, 52, 14, IDOK, kButton, L"OK");
  t.Item(BS_PUSHBUTTON | WS_TABSTOP, kWidth - 59, buttonTop, 52, 14, IDCANCEL, kButton, L"Cancel");
  PromptState state;
  const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner,
                                                 PromptProc, reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) return std::nullopt;
  return Narrow(state.text);
}

}  // namespace platform::win32
