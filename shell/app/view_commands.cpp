#include "shell/app/view_commands.h"

#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/type_menu.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

void CheckViewItem(HWND window, UINT checked) {
  HMENU view = GetSubMenu(GetMenu(window), kViewPopup);
  for (UINT item : {CMD_ASCII, CMD_HEX, CMD_VIEWER, CMD_EDIT}) {
    CheckMenuItem(view, item, MF_BYCOMMAND | (item == checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

void RepaintBar(const ViewerRecord* record) {
  if (record->ButtonBar) InvalidateRect(record->ButtonBar, nullptr, TRUE);
}

void ShowCurrentAs(HWND window, ViewerRecord* record, int type) {
  record->Type = type;
  SelectTypeMenu(window, record);
  RepaintBar(record);
  ShowFile(window, record->CurrentIndex, true);
}

bool ShowsText(const ViewerRecord* record) {
  return record->Type == kTypeText || record->Type == kTypeRichText;
}

}  // namespace

void SetZoom(HWND window, ViewerRecord* record, int zoom) {
  HMENU popup = GetSubMenu(GetMenu(window), kZoomPopup);
  CheckMenuItem(popup, record->Zoom, MF_BYCOMMAND | MF_UNCHECKED);
  record->Zoom = zoom;
  CheckMenuItem(popup, record->Zoom, MF_BYCOMMAND | MF_CHECKED);
  if (record->Child) SendMessageA(record->Child, ZV_ZOOM, zoom, 0);
  RepaintBar(record);
}

void ToggleWordWrap(HWND window, ViewerRecord* record) {
  ShellState.WordWrap = !ShellState.WordWrap;
  CheckMenuItem(GetSubMenu(GetMenu(window), kFilePopup), CMD_WORD_WRAP,
                MF_BYCOMMAND | (ShellState.WordWrap ? MF_CHECKED : MF_UNCHECKED));
  if (record->Child) SendMessageA(record->Child, ZV_WORDWRAP, ShellState.WordWrap, 0);
}

bool LeaveEditing(HWND window, ViewerRecord* record) {
  if (!ShowsText(record) || record->EditAvailable || !record->Child) return true;
  // The viewer asks about unsaved changes; Cancel keeps it editing.
  if (!SendMessageA(record->Child, ZV_MODE, 0, 0)) return false;
  CheckViewItem(window, CMD_ASCII);
  record->EditAvailable = true;
  RepaintBar(record);
  return true;
}

void ShowAsText(HWND window, ViewerRecord* record) {
  if (ShowsText(record)) {
    LeaveEditing(window, record);
  } else {
    ShowCurrentAs(window, record, kTypeText);
  }
}

void ShowAsHex(HWND window, ViewerRecord* record) { ShowCurrentAs(window, record, kTypeHex); }

void ShowInOwnViewer(HWND window, ViewerRecord* record) {
  if (!DetectViewerType(window, record, record->Files[record->CurrentIndex])) return;
  if (record->Type == kTypeText) {
    ShellMessage(window, IDS_NO_SPECIAL_VIEWER, ShellString(IDS_SORRY).c_str(),
                 MB_ICONEXCLAMATION);
  }
  SelectTypeMenu(window, record);
  ShowFile(window, record->CurrentIndex, true);
}

void StartEditing(HWND window, ViewerRecord* record) {
  CheckViewItem(window, CMD_EDIT);
  if (record->Child) SendMessageA(record->Child, ZV_MODE, 1, 0);
  record->EditAvailable = false;
  HMENU file = GetSubMenu(GetMenu(window), kFilePopup);
  if (GetMenuState(file, CMD_SAVE_AS, MF_BYCOMMAND) == 0xFFFFFFFF) {
    InsertMenuA(file, CMD_LAUNCH, MF_BYCOMMAND | MF_STRING, CMD_SAVE_AS, "Save &As...");
  }
  RepaintBar(record);
}
