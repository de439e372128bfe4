// KPL.DLL, the launcher: a file manager extension with one menu, whose
// item says whether the file manager's highlighted file is shown in a
// viewer window at once. That choice is the key "auto" / "autoview" of
// KPLAUNCH.INI, which the viewer shell's Settings dialog edits too; the
// shell then calls the entry point with kLauncherSettingsChanged.
#include <windows.h>
#include <wfext.h>

#include <cstdio>

#include "kpl/launcher_link.h"

namespace {

constexpr UINT kAutoViewItem = 1;  // the menu's only item, before the file manager's delta

struct LauncherState {
  bool AutoView = false;
  UINT MenuDelta = 0;
};
LauncherState gLauncher;

void IniPath(char* path, size_t size) {
  char dir[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(dir, sizeof dir);
  std::snprintf(path, size, "%s%sKPLAUNCH.INI", dir, n > 0 && dir[n - 1] == '\\' ? "" : "\\");
}

void ReadAutoView() {
  char path[MAX_PATH + 16];
  IniPath(path, sizeof path);
  gLauncher.AutoView = GetPrivateProfileIntA("auto", "autoview", 0, path) != 0;
}

void WriteAutoView() {
  char path[MAX_PATH + 16];
  IniPath(path, sizeof path);
  WritePrivateProfileStringA("auto", "autoview", gLauncher.AutoView ? "00001" : "00000", path);
}

LONG OnLoad(FMS_LOADA* load) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return FALSE;
  AppendMenuA(menu, MF_STRING, kAutoViewItem + load->wMenuDelta,
              "View hilighted file &automatically");
  lstrcpynA(load->szMenuName, "&Skimmet", sizeof load->szMenuName);
  load->hMenu = menu;
  gLauncher.MenuDelta = load->wMenuDelta;
  ReadAutoView();
  return TRUE;
}

}  // namespace

// The file manager's events (load, unload, the menu opening), the menu's
// item, and the shell's notice.
extern "C" __declspec(dllexport) LONG WINAPI FMExtensionProc(HWND, WORD event, LONG lParam) {
  switch (event) {
    case FMEVENT_LOAD: return OnLoad(reinterpret_cast<FMS_LOADA*>(lParam));
    case FMEVENT_INITMENU:
      CheckMenuItem(reinterpret_cast<HMENU>(lParam), kAutoViewItem + gLauncher.MenuDelta,
                    MF_BYCOMMAND | (gLauncher.AutoView ? MF_CHECKED : MF_UNCHECKED));
      return 0;
    case kAutoViewItem:
      gLauncher.AutoView = !gLauncher.AutoView;
      WriteAutoView();
      return 0;
    case kLauncherSettingsChanged: ReadAutoView(); return 0;
  }
  return 0;
}
