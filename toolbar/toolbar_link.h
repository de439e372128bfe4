// What the shell and its toolbar library ZELTONTB.DLL agree on. The shell
// loads the library by path when the user customises the button bar, calls
// its one entry point with the record below and frees it again; the
// library shows its dialog and, when the user changed the bar, stores the
// new buttons in the shell's settings file.
#pragma once
#include <windows.h>

#include <cstdint>

#include "controls/htctl32.h"

constexpr char kToolbarLibrary[] = "ZELTONTB.DLL";
constexpr char kToolbarEntryPoint[] = "TBCreateToolbarDlg";

// The entry point's argument; every field is 32 bits wide.
struct ToolbarDialogRecord {
  HINSTANCE Shell;         // the shell, whose string table holds the tool-tip texts
  HINSTANCE Library;       // the toolbar library itself
  HWND Owner;              // the viewer window
  ButtonEntry* Table;      // the buttons as they are
  const int32_t* Offered;  // the commands that may become buttons, ending in 0
  int32_t ButtonCount;
  int32_t OfferedCount;
  int32_t Reserved[2];  // 0
  const char* AppTitle;
  const char* Section;  // "mainbuttons"
  const char* IniFile;  // the shell's settings file
  const char* HelpFile;
};
static_assert(sizeof(ToolbarDialogRecord) == 52 || sizeof(void*) != 4);

// The results: the dialog could not be made; nothing changed; anything
// else, a new set of buttons is stored.
constexpr LONG kToolbarDialogFailed = -1;
constexpr LONG kToolbarUnchanged = 0;
constexpr LONG kToolbarChanged = 1;

using ToolbarDialogEntry = LONG(WINAPI*)(ToolbarDialogRecord* record);
