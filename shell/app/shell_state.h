// The shell's process-wide state: where it lives, its settings, its main
// window, the open viewer windows and the paths on their way into one.
#pragma once
#include <windows.h>

#include <string>

#include "controls/htctl32.h"
#include "shell/core/file_lists.h"
#include "shell/core/shell_settings.h"
#include "shell/core/window_arrangement.h"

constexpr int kShellPathChars = 260;
constexpr int kAppTitleChars = 100;

// The private message of a second start: wParam a global atom naming a path.
constexpr UINT SHELL_HANDOVER = WM_USER + 400;

struct ShellStateRecord {
  HINSTANCE instance = nullptr;
  bool NewShell = true;
  char ProgramDir[kShellPathChars] = "";
  char ProgramDirSlash[kShellPathChars + 1] = "";
  bool DwgEdition = false;
  char AppTitle[kAppTitleChars + 1] = "";
  char HelpFile[kShellPathChars] = "";
  char IniPath[kShellPathChars] = "";
  HWND MainWindow = nullptr;
  UINT MsgSkimmet = 0, MsgFerrit = 0;
  HWND ViewerList[kMaxViewerWindows] = {};
  int ViewerCount = 0;
  HWND CurrentViewer = nullptr;
  ListPath PendingFiles[kMaxListFiles] = {};
  bool FerritBatch = false;
  bool FerritNewWindows = false;
  ScreenRect DefaultViewerRect = {35, 49, 425, 409};
  // Settings of "ZR.INI".
  ShellFlags Flags;
  bool WordWrap = false;
  LOGFONTA SharedFont = {};
  int FontPoints = 8;
  // The buttons of every viewer window's button bar ("mainbuttons"), their
  // faces (normal and greyed) and their key letters.
  ButtonEntry* ButtonTable = nullptr;
  int ButtonCount = 0;
  HBITMAP ButtonFaces = nullptr, GreyedFaces = nullptr, AltKeys = nullptr, CtlKeys = nullptr;
};

extern ShellStateRecord ShellState;

// A string of the shell's string table (empty when missing).
std::string ShellString(UINT id);
