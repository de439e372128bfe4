#include "shell/app/shell_settings.h"

#include <cstdio>

#include "common/text_copy.h"
#include "shell/app/shell_state.h"
#include "shell/core/shell_settings.h"
#include "win32/profile_store_win32.h"
#include "win32/screen_resolution.h"

namespace {

void LauncherIniPath(char* path, size_t size) {
  char dir[MAX_PATH];
  UINT n = GetWindowsDirectoryA(dir, sizeof dir);
  std::snprintf(path, size, "%s%sKPLAUNCH.INI", dir, n > 0 && dir[n - 1] == '\\' ? "" : "\\");
}

SharedFontSettings CurrentFont() {
  const LOGFONTA& font = ShellState.SharedFont;
  SharedFontSettings settings;
  settings.Points = ShellState.FontPoints;
  settings.Weight = font.lfWeight;
  settings.Italic = font.lfItalic != 0;
  settings.CharSet = font.lfCharSet;
  CopyText(settings.FaceName, font.lfFaceName);
  return settings;
}

}  // namespace

ProfileStore& ShellIni() {
  static Win32ProfileStore ini(ShellState.IniPath);
  return ini;
}

ProfileStore& LauncherIni() {
  static char path[MAX_PATH + 16];
  if (!path[0]) LauncherIniPath(path, sizeof path);
  static Win32ProfileStore launcher(path);
  return launcher;
}

void ReloadSettings() {
  TouchLauncherAutoView(LauncherIni());
  ShellState.Flags = ReadShellFlags(ShellIni(), ShellState.AppTitle);
  HWND main = ShellState.MainWindow;
  if (ShellState.NewShell && main) {
    SetWindowPos(main, ShellState.Flags.Visible ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextA(main, ShellState.Flags.IconCaption);
    ShowWindow(main, SW_HIDE);
    InvalidateRect(main, nullptr, TRUE);
  }
}

void ReadSharedFont() {
  const SharedFontSettings settings =
      ReadSharedFontSettings(ShellIni(), ScreenPixelsPerInchY(ShellState.MainWindow));
  LOGFONTA& font = ShellState.SharedFont;
  font = {};
  ShellState.FontPoints = settings.Points;
  font.lfHeight = settings.Height;
  font.lfWeight = settings.Weight;
  font.lfItalic = settings.Italic;
  font.lfCharSet = static_cast<BYTE>(settings.CharSet);
  CopyText(font.lfFaceName, settings.FaceName);
}

void ReadViewerRect() { ShellState.DefaultViewerRect = ReadViewerRect(ShellIni()); }

void SaveViewerPlacement(HWND lastViewer) {
  const bool maximized = IsZoomed(lastViewer);
  if (maximized || IsIconic(lastViewer)) {
    SaveViewerPlacement(ShellIni(), maximized, nullptr);
    return;
  }
  RECT r;
  GetWindowRect(lastViewer, &r);
  ShellState.DefaultViewerRect = {r.left, r.top, r.right, r.bottom};
  SaveViewerPlacement(ShellIni(), false, &ShellState.DefaultViewerRect);
}

void SaveShellSettings() {
  ShellExitSettings settings;
  settings.Flags = ShellState.Flags;
  settings.WordWrap = ShellState.WordWrap;
  settings.Font = CurrentFont();
  if (!ShellState.Flags.HideIcon && ShellState.Flags.SaveIconPos && ShellState.MainWindow) {
    RECT r;
    GetWindowRect(ShellState.MainWindow, &r);
    settings.KeepIconPlace = true;
    settings.IconLeft = r.left;
    settings.IconTop = r.top;
  }
  SaveShellSettings(ShellIni(), settings);
}
