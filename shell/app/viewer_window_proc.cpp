#include "shell/app/viewer_window_proc.h"

#include <shellapi.h>

#include "shell/app/button_table.h"
#include "shell/app/command_table.h"
#include "shell/app/file_commands.h"
#include "shell/app/file_entry.h"
#include "shell/app/menu_state.h"
#include "shell/app/page_popup.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/view_commands.h"
#include "shell/app/viewer_command.h"
#include "shell/app/viewer_record.h"
#include "shell/app/viewer_windows.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"
#include "win32/paint_message.h"

namespace {

void OnSize(const ViewerRecord* record, int width, int height) {
  if (!record || !record->Child) return;
  MoveWindow(record->Child, 0, kButtonBarHeight, width, height - kButtonBarHeight, TRUE);
  if (record->ButtonBar) MoveWindow(record->ButtonBar, 0, 0, width, kButtonBarHeight, TRUE);
}

void PaintDivider(HWND window, HDC dc, const RECT&) {
  RECT r;
  GetClientRect(window, &r);
  HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 0, kButtonBarHeight - 1, nullptr);
  LineTo(dc, r.right, kButtonBarHeight - 1);
  SelectObject(dc, old);
}

void OnDrop(HWND window, HDROP drop) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) > 0) AddDropToViewer(window, drop);
  DragFinish(drop);
}

void OnKeyDown(HWND window, const ViewerRecord* record, WPARAM key, LPARAM lParam) {
  if (key == VK_F1) {
    WinHelpA(window, ShellState.HelpFile, HELP_INDEX, 0);
    return;
  }
  if ((lParam & (1 << 29)) || !record || !record->Child) return;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (ctrl && key >= 'A' && key <= 'Z') {
    const int button = ButtonForKey(static_cast<int>(key), true);
    if (button >= 0) {
      ViewerCommand(window, button, kButtonIndexCode);
      return;
    }
  }
  if (!ctrl || key > VK_CONTROL) PostMessageA(record->Child, WM_KEYDOWN, key, lParam);
}

// Alt + a letter: the system's key-menu command, or a menu character that
// no menu item took. True when a button ran.
bool RunAltButton(HWND window, int character) {
  const int button = ButtonForKey(character, false);
  if (button < 0) return false;
  ViewerCommand(window, button, kButtonIndexCode);
  return true;
}

void HideDescription(ViewerRecord* record) {
  if (!record) return;
  CheckDesc(&record->Description);
  record->Description.HoveredButton = nullptr;
}

// The Copy item follows at the next opening of its popup; the Copy button
// is repainted at once when it changes.
void OnSelection(ViewerRecord* record, bool selection) {
  const CommandRow& copy = *FindShellCommand(CMD_COPY);
  const bool before = CommandAvailable(copy, CMD_COPY, *record);
  record->HasSelection = selection;
  if (CommandAvailable(copy, CMD_COPY, *record) != before && record->ButtonBar) {
    InvalidateRect(record->ButtonBar, nullptr, TRUE);
  }
}

// The messages a viewer sends its window; false when message is none of them.
bool OnViewerMessage(HWND window, ViewerRecord* record, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) {
  *result = 0;
  switch (message) {
    case ZV_GETFONT: *result = reinterpret_cast<LRESULT>(&ShellState.SharedFont); return true;
    case ZV_TEXTCOLOR: *result = GetSysColor(COLOR_WINDOWTEXT); return true;
    case ZV_BACKCOLOR: *result = GetSysColor(COLOR_WINDOW); return true;
    case ZV_SELECTION: OnSelection(record, wParam != 0); return true;
    case ZV_CANPLAY: record->PlayEnabled = true; return true;
    case ZV_STATUSCHANGED: RefreshStatus(record); return true;
    case ZV_PAGES: RebuildPagePopup(window, record, wParam, LOWORD(lParam)); return true;
    case ZV_ASKSAVEAS:
      if (lParam) SaveTextAs(record, reinterpret_cast<const char*>(lParam));
      return true;
  }
  if (message >= kViewerMessageBase + 131 && message <= kViewerMessageBase + 134) {
    *result = 1;
    return true;
  }
  return message >= kViewerMessageBase + 115 && message <= kViewerMessageBase + 138;
}

}  // namespace

LRESULT CALLBACK ZRWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ViewerRecord* record = RecordOf(window);
  switch (message) {
    case WM_CREATE: return AttachViewerRecord(window) ? 0 : -1;
    case WM_SIZE: OnSize(record, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaintMessage(window, message, wParam, PaintDivider);
    case WM_DROPFILES: OnDrop(window, reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_COMMAND:
      if (record && record->HelpPending) {
        record->HelpPending = false;
        WinHelpA(window, ShellState.HelpFile, HELP_CONTEXT, wParam);
      } else {
        ViewerCommand(window, LOWORD(wParam), HIWORD(wParam));
      }
      return 1;
    case WM_ENTERIDLE:
      if (record && wParam == MSGF_MENU && GetKeyState(VK_F1) < 0) {
        record->HelpPending = true;
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
      }
      return 0;
    case WM_INITMENUPOPUP:
      if (record && !HIWORD(lParam)) UpdateMenuPopup(reinterpret_cast<HMENU>(wParam), *record);
      return 0;
    case WM_KEYDOWN: OnKeyDown(window, record, wParam, lParam); return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU && RunAltButton(window, LOWORD(lParam))) return 0;
      break;
    case WM_MENUCHAR: RunAltButton(window, LOWORD(wParam)); break;
    case WM_SETCURSOR: HideDescription(record); break;
    case WM_CLOSE:
      // Closing never drops unsaved edits without asking.
      if (record && !LeaveEditing(record)) return 0;
      break;
    case WM_DESTROY: DetachViewerWindow(window); return 0;
  }
  LRESULT result;
  if (record && OnViewerMessage(window, record, message, wParam, lParam, &result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}
