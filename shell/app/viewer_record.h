// The record of one viewer window: its file list, the viewer library that
// shows the current file, and the state of its menu and dialogs. One fixed
// block per window, allocated when the window is created.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "controls/htctl32.h"
#include "shell/core/file_lists.h"

constexpr int kButtonBarHeight = 28;
constexpr int kRecordOffset = 4;  // window-extra offset of the record pointer

struct ViewerRecord {
  HWND Child;
  HWND ButtonBar;
  HMODULE Library;
  HGLOBAL Memory;
  ListPath Files[kMaxListFiles];
  int32_t FileCount;
  int32_t CurrentIndex;
  int32_t Type;
  int32_t LoadedType;
  char FindText[60];
  char HexGotoText[9], DbfGotoText[10], WksGotoText[16];
  char HexFindAscii[14], HexFindDigits[27];
  char StatusText[260];
  int32_t Zoom;
  int32_t FileListMenuPos, PageMenuPos;
  HWND HexFindAsciiEdit, GotoEdit;
  bool HelpPending;
  bool PlayEnabled;
  bool HasSelection;
  bool Printing;
  bool EditAvailable;
  PRINTDLGA PrintDialog;
  ButtonDescState Description;
};

// The record of a viewer window; nullptr for any other window.
ViewerRecord* RecordOf(HWND window);
