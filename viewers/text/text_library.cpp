// ZREDIT32.DLL: the text viewer. Its class "ZRXEDIT" is registered for the
// whole application while the library is loaded; the window is the shared
// line view with the text formatter, word wrap and zoom, and adds edit
// mode, Save As and printing.
#include <windows.h>

#include <exception>
#include <new>

#include "viewer/buffer/format_flags.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/text/text_edit.h"
#include "viewers/text/text_print.h"
#include "viewers/text/text_save.h"

namespace {
constexpr char kClassName[] = "ZRXEDIT";
constexpr LineViewKind kTextKind{
    .Format = FORMAT_TEXT, .Flags = FMT_EXPAND_TABS, .CanWrap = true, .CanZoom = true};

bool OnCreate(HWND hwnd) {
  TextState* s = new (std::nothrow) TextState;
  if (!s) return false;
  SetWindowLongA(hwnd, kLibraryStateIndex, reinterpret_cast<LONG>(s));
  LineViewOf(hwnd)->ModeWord = "View";
  return true;
}

void OnDestroy(HWND hwnd, TextState* s) {
  SetWindowLongA(hwnd, kLibraryStateIndex, 0);
  delete s;
}

// In edit mode the keys the shell posts go to the edit control, Ctrl+S
// asking for Save As.
void OnEditKey(LineView& v, TextState& s, WPARAM key, LPARAM lParam) {
  if (key == 'S' && GetKeyState(VK_CONTROL) < 0)
    AskSaveAs(v);
  else
    SendMessageA(s.Edit, WM_KEYDOWN, key, lParam);
}

// The messages the text library adds to the line view; false for the
// line view's own.
bool OnTextMessage(LineView& v, TextState& s, UINT msg, WPARAM wParam, LPARAM lParam,
                   LRESULT* result) {
  *result = 0;
  switch (msg) {
    case ZV_MODE: *result = SetTextMode(v, s, wParam != 0); return true;
    case ZV_SAVEAS:
      *result =
          SaveTextAs(v, s, static_cast<unsigned>(wParam), reinterpret_cast<const char*>(lParam));
      return true;
    case ZV_PRINT:
      *result = PrintText(v, s, reinterpret_cast<const PRINTDLGA*>(lParam));
      return true;
    case ZV_CANCELPRINT: s.CancelPrint = true; return true;
    case ZV_COPY:
      if (s.Edit) SendMessageA(s.Edit, WM_COPY, 0, 0);
      return s.Edit != nullptr;
    case ZV_SELECTALL:
      if (s.Edit) SendMessageA(s.Edit, EM_SETSEL, 0, -1);
      return s.Edit != nullptr;
    case WM_KEYDOWN:
      if (!s.Edit) return false;
      OnEditKey(v, s, wParam, lParam);
      return true;
    case WM_SETFOCUS:
      if (s.Edit) SetFocus(s.Edit);
      return s.Edit != nullptr;
  }
  return false;
}

LRESULT TextMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    LRESULT created = LineViewProc(hwnd, msg, wParam, lParam, kTextKind);
    return created == 0 && OnCreate(hwnd) ? 0 : -1;
  }
  TextState* s = TextStateOf(hwnd);
  LineView* v = LineViewOf(hwnd);
  if (s && msg == WM_DESTROY) {
    OnDestroy(hwnd, s);
    s = nullptr;
  }
  if (s && v) {
    LRESULT result;
    if (OnTextMessage(*v, *s, msg, wParam, lParam, &result)) return result;
  }
  LRESULT result = LineViewProc(hwnd, msg, wParam, lParam, kTextKind);
  if (s && v && (msg == WM_SIZE || msg == ZV_FONT || msg == ZV_ZOOM)) FitEditControl(*v, *s);
  return result;
}

LRESULT CALLBACK TextViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    return TextMessage(hwnd, msg, wParam, lParam);
  } catch (const std::exception&) {  // out of memory: the message does nothing
    MessageBeep(MB_ICONEXCLAMATION);
    return 0;
  }
}
}  // namespace

TextState* TextStateOf(HWND view) {
  return reinterpret_cast<TextState*>(GetWindowLongA(view, kLibraryStateIndex));
}

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) return RegisterLineViewClass(dll, kClassName, TextViewProc);
  if (reason == DLL_PROCESS_DETACH) UnregisterClassA(kClassName, dll);
  return TRUE;
}
