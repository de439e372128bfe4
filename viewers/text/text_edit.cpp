#include "viewers/text/text_edit.h"

#include <cstdio>
#include <string>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/base/viewer_parent.h"

namespace {
constexpr char kCaption[] = "Edit";

// The whole file; false when it could not be read.
bool ReadWholeFile(const char* path, std::string& text) {
  FileHandle f = Files().Open(path);
  if (f == kNoFile) return false;
  FileOffset size = Files().Size(f);
  bool ok = size >= 0 && size <= kEditLimitBytes;
  if (ok) {
    text.resize(static_cast<size_t>(size));
    ok = size == 0 || Files().Read(f, text.data(), static_cast<int32_t>(size)) == size;
  }
  Files().Close(f);
  return ok;
}

// Ctrl+S in the edit control asks for Save As.
LRESULT CALLBACK EditKeys(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  TextWindow& view = TextWindowOf(GetParent(edit));
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (msg == WM_KEYDOWN && wParam == 'S' && ctrl) {
    AskSaveAs(view.View());
    return 0;
  }
  if (msg == WM_CHAR && wParam == 0x13) return 0;  // the Ctrl+S character
  return CallWindowProcA(view.State().EditProc, edit, msg, wParam, lParam);
}

LRESULT EnterEdit(LineView& v, TextState& s) {
  if (QueryFileSize(v.File.Path) > kEditLimitBytes) {
    MessageBoxA(v.Window, "This file is too large to edit: files up to 60,000 bytes can be edited.",
                kCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  std::string text;
  if (!ReadWholeFile(v.File.Path, text)) {
    MessageBoxA(v.Window, "The file could not be read.", kCaption, MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  // The edit control's text ends at a zero byte: saving would cut the file there.
  if (text.find('\0') != std::string::npos) {
    MessageBoxA(v.Window, "This file holds zero bytes and cannot be edited.", kCaption,
                MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
  if (!v.Wrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  s.Edit = CreateWindowExA(0, "EDIT", "", style, 0, 0, 0, 0, v.Window, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongA(v.Window, GWL_HINSTANCE)),
                           nullptr);
  if (!s.Edit) return 0;
  SendMessageA(s.Edit, EM_LIMITTEXT, 0, 0);
  SetWindowTextA(s.Edit, text.c_str());
  SendMessageA(s.Edit, EM_SETMODIFY, FALSE, 0);
  s.EditProc = reinterpret_cast<WNDPROC>(
      SetWindowLongA(s.Edit, GWL_WNDPROC, reinterpret_cast<LONG>(EditKeys)));
  FitEditControl(v, s);
  SetFocus(s.Edit);
  v.ModeWord = "Edit";
  return 1;
}

// Unsaved changes: Yes saves through the parent's Save As, No drops them,
// Cancel stays in edit mode. False to stay.
bool ChangesSettled(LineView& v, TextState& s) {
  if (!SendMessageA(s.Edit, EM_GETMODIFY, 0, 0)) return true;
  char question[400];
  std::snprintf(question, sizeof question, "Save the changes to %s?", v.File.Path);
  int answer = MessageBoxA(v.Window, question, kCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDCANCEL) return false;
  if (answer == IDYES) AskSaveAs(v);
  return answer == IDNO || !SendMessageA(s.Edit, EM_GETMODIFY, 0, 0);
}

LRESULT LeaveEdit(LineView& v, TextState& s) {
  if (!ChangesSettled(v, s)) return 0;
  DestroyWindow(s.Edit);
  s.Edit = nullptr;
  v.ModeWord = "View";
  // A Save As to the viewed file changed what the view shows.
  if (FileOffset now = QueryFileSize(v.File.Path); now >= 0) v.File.Flen = now;
  Reformat(v);
  return 1;
}
}  // namespace

void AskSaveAs(const LineView& v) {
  char name[kFilePathChars];
  CopyText(name, v.File.Path);
  AskParentToSaveAs(v.Window, name);
}

LRESULT SetTextMode(LineView& v, TextState& s, bool edit) {
  if (!v.Open) return 0;
  if (edit == (s.Edit != nullptr)) return 1;
  return edit ? EnterEdit(v, s) : LeaveEdit(v, s);
}

void FitEditControl(const LineView& v, const TextState& s) {
  if (!s.Edit) return;
  RECT r;
  GetClientRect(v.Window, &r);
  SetWindowPos(s.Edit, nullptr, 0, 0, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(s.Edit, WM_SETFONT, reinterpret_cast<WPARAM>(v.Font), TRUE);
}
