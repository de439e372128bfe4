#include "shell/app/main_window.h"

#include <shellapi.h>

#include "shell/app/about_box.h"
#include "shell/app/button_table.h"
#include "shell/app/settings_dialog.h"
#include "shell/app/command_table.h"
#include "shell/app/file_entry.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/app/view_commands.h"
#include "shell/app/viewer_record.h"
#include "shell/app/viewer_windows.h"
#include "shell/resources/shell_ids.h"

namespace {

// Reads and deletes the atom, then opens the path it names.
void OpenAtom(WPARAM atom, bool activate) {
  char path[kShellPathChars + 1] = "";
  GlobalGetAtomNameA(static_cast<ATOM>(atom), path, sizeof path);
  GlobalDeleteAtom(static_cast<ATOM>(atom));
  if (path[0]) OpenFileInViewer(path, activate);
}

// Accelerators are translated for the main window; the viewer window that
// holds the focus carries them out, also when the focus lies in its
// viewer's window or in that window's edit control.
void PassCommand(WPARAM wParam, LPARAM lParam) {
  for (HWND w = GetFocus(); w; w = GetParent(w)) {
    if (RecordOf(w)) {
      PostMessageA(w, WM_COMMAND, wParam, lParam);
      return;
    }
  }
}

void OnSysCommand(HWND window, WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case CMD_SETTINGS: ShowSettingsDialog(window); break;
    case CMD_CLOSE_ALL: CloseAllViewers(); break;
    case CMD_ABOUT: ShowAboutBox(window); break;
    case CMD_HELP_INDEX: WinHelpA(window, ShellState.HelpFile, HELP_INDEX, 0); break;
    case SC_CLOSE:
      SaveShellSettings();
      CloseAllViewers();
      break;
  }
}

void EndShell() {
  SaveShellSettings();
  CoUninitialize();
  DeleteButtonBitmaps();
  FreeButtonTable();
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ShellState.MsgSkimmet && message != 0) {
    if (ShellState.Flags.AutoOpen || ShellState.ViewerCount > 0) OpenAtom(wParam, ShellState.Flags.AutoTop);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == ShellState.MsgFerrit && message != 0) {
    OnFerrit(wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wParam);
      if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) > 0) OpenDropInNewViewer(drop);
      DragFinish(drop);
      break;
    }
    case SHELL_HANDOVER: OpenAtom(wParam, true); break;
    case WM_COMMAND:
      if (FindShellCommand(LOWORD(wParam))) PassCommand(wParam, lParam);
      return 0;
    case WM_SYSCOMMAND:
      OnSysCommand(window, wParam);
      // A viewer window kept open by its unsaved edits keeps the program.
      if (LOWORD(wParam) == SC_CLOSE && ShellState.ViewerCount > 0) return 0;
      break;
    case WM_CLOSE:
      // Close Skimmet: unsaved edits are asked about first, and Cancel keeps
      // the program running.
      if (!LeaveEditingEverywhere()) return 0;
      break;
    case WM_QUERYOPEN:
      ShowWindow(window, ShellState.Flags.HideIcon || ShellState.NewShell ? SW_HIDE : SW_SHOWMINIMIZED);
      return 0;
    case WM_QUERYENDSESSION:
      if (!LeaveEditingEverywhere()) return 0;
      EndShell();
      return 1;
    case WM_DESTROY: EndShell(); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
