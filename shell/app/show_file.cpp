#include "shell/app/show_file.h"

#include <string>

#include "common/text_copy.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/type_menu.h"
#include "shell/app/view_commands.h"
#include "shell/core/viewer_table.h"
#include "shell/core/viewer_title.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"
#include "win32/file_names_win32.h"

namespace {

void FallBackToText(HWND window, ViewerRecord* record) {
  record->Type = record->LoadedType = kTypeText;
  SelectTypeMenu(window, record);
}

HWND CreateChild(HWND window, int type) {
  RECT client;
  GetClientRect(window, &client);
  return CreateWindowExA(0, ViewerTable[type].WindowClass, "",
                         WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, kButtonBarHeight,
                         client.right, client.bottom - kButtonBarHeight, window, nullptr,
                         ShellState.instance, nullptr);
}

// Steps 2 to 4: the library of record->Type loaded and its window made,
// falling back to the text viewer. False when not even that could be made.
bool LoadViewer(HWND window, ViewerRecord* record) {
  if (record->LoadedType >= 0) {
    if (record->Child && IsWindow(record->Child)) DestroyWindow(record->Child);
    record->Child = nullptr;
    if (record->Library) FreeLibrary(record->Library);
    record->Library = nullptr;
  }
  record->LoadedType = record->Type;
  record->Library = LoadLibraryA(ViewerTable[record->Type].Library);
  if (!record->Library) {
    FallBackToText(window, record);
    record->Library = LoadLibraryA(ViewerTable[kTypeText].Library);
  }
  record->Child = CreateChild(window, record->Type);
  if (!record->Child && record->Type != kTypeText) {
    if (record->Library) FreeLibrary(record->Library);
    FallBackToText(window, record);
    record->Library = LoadLibraryA(ViewerTable[kTypeText].Library);
    record->Child = CreateChild(window, kTypeText);
  }
  if (!record->Child) {
    ShellError(window, IDS_CANNOT_CREATE_VIEWER, MB_ICONSTOP);
    return false;
  }
  return true;
}

void MarkListEntry(HWND window, ViewerRecord* record, int index) {
  HMENU menu = GetMenu(window);
  HMENU files = GetSubMenu(menu, record->FileListMenuPos);
  if (record->CurrentIndex != index) {
    CheckMenuItem(files, record->CurrentIndex + 1, MF_BYPOSITION | MF_UNCHECKED);
  }
  record->CurrentIndex = index;
  CheckMenuItem(files, index + 1, MF_BYPOSITION | MF_CHECKED);
  if (!RowOfType(record->Type).KeepsZoom) record->Zoom = kZoom1X;
}

void SetTitle(HWND window, const char* path) {
  char current[kTitleChars + 1];
  GetWindowTextA(window, current, sizeof current);
  char title[kTitleChars + kListPathChars + 4];
  ComposeViewerTitle(current, path, title, sizeof title);
  SetCaptionText(window, title);
}

}  // namespace

void ShowFile(HWND window, int index, bool activate) {
  ViewerRecord* record = RecordOf(window);
  if (!record || index < 0 || index >= record->FileCount) return;
  record->PlayEnabled = false;
  const char* path = record->Files[index];
  for (;;) {
    char previousDir[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof previousDir, previousDir);
    SetCurrentDirectoryA(ShellState.ProgramDir);
    bool loaded = LoadViewer(window, record);
    if (loaded) {
      MarkListEntry(window, record, index);
      if (activate) {
        SetActiveWindow(window);
        SetForegroundWindow(record->Child);
      }
      SetTitle(window, path);
    }
    SetCurrentDirectoryA(previousDir);
    if (!loaded) return;
    WPARAM how = record->Type + 256 * (ShellState.WordWrap ? 1 : 0);
    const std::string name = AnsiNameOf(path);
    if (SendMessageA(record->Child, ZV_OPEN, how, reinterpret_cast<LPARAM>(name.c_str()))) break;
    const int fallback = RowOfType(record->Type).Fallback;
    if (fallback < 0) {
      ShellError(window, IDS_CANNOT_CREATE_VIEWER, MB_ICONSTOP);
      return;
    }
    record->Type = fallback;
    SelectTypeMenu(window, record);
  }
  record->HasSelection = false;
  InvalidateRect(window, nullptr, TRUE);
  RefreshStatus(record);
}

void RefreshStatus(ViewerRecord* record) {
  auto status = record->Child
                    ? reinterpret_cast<const char*>(SendMessageA(record->Child, ZV_STATUSTEXT, 0, 0))
                    : nullptr;
  CopyText(record->StatusText, status ? status : "");
  if (record->ButtonBar) {
    // The bar's text is the status too, so that other programs can read it.
    SetWindowTextA(record->ButtonBar, record->StatusText);
    InvalidateRect(record->ButtonBar, nullptr, TRUE);
  }
}

bool OpenListEntry(HWND window, int index, bool activate) {
  ViewerRecord* record = RecordOf(window);
  if (!record || index < 0 || index >= record->FileCount) return false;
  if (!LeaveEditing(record)) return false;
  if (!DetectViewerType(window, record, record->Files[index])) return false;
  SelectTypeMenu(window, record);
  ShowFile(window, index, activate);
  return true;
}
