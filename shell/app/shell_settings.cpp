#include "shell/app/shell_settings.h"

#include <cstdio>

#include "common/text_copy.h"
#include "shell/app/shell_state.h"

namespace {

const char kViewer[] = "viewer";
const char kFonts[] = "fonts";

int ReadNumber(const char* section, const char* key, int defaultValue) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, ShellState.IniPath));
}

bool ReadFlag(const char* key, bool defaultValue) {
  bool value = ReadNumber(kViewer, key, defaultValue) != 0;
  WriteIniNumber(kViewer, key, value, ShellState.IniPath);
  return value;
}

void LauncherIniPath(char* path, size_t size) {
  char dir[MAX_PATH];
  UINT n = GetWindowsDirectoryA(dir, sizeof dir);
  std::snprintf(path, size, "%s%sKPLAUNCH.INI", dir, n > 0 && dir[n - 1] == '\\' ? "" : "\\");
}

}  // namespace

void WriteIniNumber(const char* section, const char* key, int value, const char* path) {
  char text[8];
  std::snprintf(text, sizeof text, "%05u", static_cast<unsigned>(value) % 100000u);
  WritePrivateProfileStringA(section, key, text, path);
}

void ReloadSettings() {
  char launcher[MAX_PATH + 16];
  LauncherIniPath(launcher, sizeof launcher);
  int autoView = GetPrivateProfileIntA("auto", "autoview", 0, launcher);
  WriteIniNumber("auto", "autoview", autoView, launcher);
  ShellState.AutoTop = ReadFlag("autotop", true);
  ShellState.AutoOpen = ReadFlag("autoopen", true);
  ShellState.SaveIconPos = ReadFlag("saveiconpos", true);
  ShellState.HideIcon = ReadFlag("hideicon", false);
  GetPrivateProfileStringA(kViewer, "iconcaption", ShellState.AppTitle, ShellState.IconCaption,
                           sizeof ShellState.IconCaption, ShellState.IniPath);
  WritePrivateProfileStringA(kViewer, "iconcaption", ShellState.IconCaption, ShellState.IniPath);
  ShellState.Visible = ReadFlag("visible", false);
  HWND main = ShellState.MainWindow;
  if (ShellState.NewShell && main) {
    SetWindowPos(main, ShellState.Visible ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextA(main, ShellState.IconCaption);
    ShowWindow(main, SW_HIDE);
    InvalidateRect(main, nullptr, TRUE);
  }
}

void ReadSharedFont() {
  LOGFONTA& font = ShellState.SharedFont;
  font = {};
  ShellState.FontPoints = ReadNumber(kFonts, "points", 8);
  HDC screen = GetDC(ShellState.MainWindow);
  font.lfHeight = -(GetDeviceCaps(screen, LOGPIXELSY) * ShellState.FontPoints / 72);
  ReleaseDC(ShellState.MainWindow, screen);
  font.lfWeight = ReadNumber(kFonts, "weight", FW_NORMAL);
  font.lfItalic = ReadNumber(kFonts, "italic", 0) != 0;
  font.lfCharSet = static_cast<BYTE>(ReadNumber(kFonts, "charset", 0));
  GetPrivateProfileStringA(kFonts, "facename", "Courier", font.lfFaceName,
                           sizeof font.lfFaceName, ShellState.IniPath);
}

void ReadViewerRect() {
  ScreenRect& r = ShellState.DefaultViewerRect;
  r = {ReadNumber(kViewer, "left", 35), ReadNumber(kViewer, "top", 49),
       ReadNumber(kViewer, "right", 425), ReadNumber(kViewer, "bottom", 409)};
}

void SaveViewerPlacement(HWND lastViewer) {
  const char* ini = ShellState.IniPath;
  bool maximized = IsZoomed(lastViewer);
  WriteIniNumber(kViewer, "maximized", maximized, ini);
  if (maximized || IsIconic(lastViewer)) return;
  RECT r;
  GetWindowRect(lastViewer, &r);
  ShellState.DefaultViewerRect = {r.left, r.top, r.right, r.bottom};
  WriteIniNumber(kViewer, "left", StoredCoordinate(r.left), ini);
  WriteIniNumber(kViewer, "top", StoredCoordinate(r.top), ini);
  WriteIniNumber(kViewer, "right", StoredCoordinate(r.right), ini);
  WriteIniNumber(kViewer, "bottom", StoredCoordinate(r.bottom), ini);
}

void SaveShellSettings() {
  const char* ini = ShellState.IniPath;
  WriteIniNumber(kViewer, "saveiconpos", ShellState.SaveIconPos, ini);
  WriteIniNumber(kViewer, "hideicon", ShellState.HideIcon, ini);
  if (!ShellState.HideIcon && ShellState.SaveIconPos && ShellState.MainWindow) {
    RECT r;
    GetWindowRect(ShellState.MainWindow, &r);
    WriteIniNumber(kViewer, "iconleft", StoredCoordinate(r.left), ini);
    WriteIniNumber(kViewer, "icontop", StoredCoordinate(r.top), ini);
  }
  WriteIniNumber(kViewer, "visible", ShellState.Visible, ini);
  WritePrivateProfileStringA(kViewer, "iconcaption", ShellState.IconCaption, ini);
  WriteIniNumber(kViewer, "wordwrap", ShellState.WordWrap, ini);
  const LOGFONTA& font = ShellState.SharedFont;
  WriteIniNumber(kFonts, "italic", font.lfItalic != 0, ini);
  WriteIniNumber(kFonts, "points", ShellState.FontPoints, ini);
  WriteIniNumber(kFonts, "charset", font.lfCharSet, ini);
  WriteIniNumber(kFonts, "weight", font.lfWeight, ini);
  WritePrivateProfileStringA(kFonts, "facename", font.lfFaceName, ini);
}
