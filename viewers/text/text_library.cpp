// ZREDIT32.DLL: the text viewer. Its window is the shared line view with
// the text formatter, word wrap and zoom, and adds edit mode, Save As and
// printing.
#include <windows.h>

#include "viewer/buffer/format_flags.h"
#include "viewers/base/viewer_class.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/text/text_edit.h"
#include "viewers/text/text_print.h"
#include "viewers/text/text_save.h"
#include "viewers/text/text_state.h"

namespace {
constexpr LineViewKind kTextKind{
    .Format = FORMAT_TEXT, .Flags = FMT_EXPAND_TABS, .CanWrap = true, .CanZoom = true};
}  // namespace

TextWindow::TextWindow(HWND window) : LineViewWindow(window, kTextKind) { view_.ModeWord = "View"; }

TextWindow& TextWindowOf(HWND view) { return *static_cast<TextWindow*>(ViewerWindowOf(view)); }

// In edit mode the edit control has the text: copying and selecting are its own.
bool TextWindow::Copy() {
  if (!state_.Edit) return LineViewWindow::Copy();
  SendMessageA(state_.Edit, WM_COPY, 0, 0);
  return true;
}

bool TextWindow::SelectAll() {
  if (!state_.Edit) return LineViewWindow::SelectAll();
  SendMessageA(state_.Edit, EM_SETSEL, 0, -1);
  return true;
}

bool TextWindow::SetFont(const LOGFONTA& font) {
  bool changed = LineViewWindow::SetFont(font);
  FitEditControl(view_, state_);
  return changed;
}

bool TextWindow::Zoom(unsigned command) {
  bool zoomed = LineViewWindow::Zoom(command);
  FitEditControl(view_, state_);
  return zoomed;
}

bool TextWindow::Print(const PRINTDLGA* record) { return PrintText(*this, view_, record); }

bool TextWindow::SaveAs(unsigned kind, const char* name) {
  return SaveTextAs(view_, state_, kind, name) != 0;
}

bool TextWindow::SetMode(bool edit) { return SetTextMode(view_, state_, edit) != 0; }

// In edit mode the keys the shell posts go to the edit control, Ctrl+S
// asking for Save As.
bool TextWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (state_.Edit && msg == WM_KEYDOWN) {
    if (wParam == 'S' && GetKeyState(VK_CONTROL) < 0)
      AskSaveAs(view_);
    else
      SendMessageA(state_.Edit, WM_KEYDOWN, wParam, lParam);
    *result = 0;
    return true;
  }
  if (state_.Edit && msg == WM_SETFOCUS) {
    SetFocus(state_.Edit);
    *result = 0;
    return true;
  }
  bool handled = LineViewWindow::OnWindowMessage(msg, wParam, lParam, result);
  if (msg == WM_SIZE) FitEditControl(view_, state_);
  return handled;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<TextWindow>(dll, reason, kTextLibrary.WindowClass);
}
