#include "shell/app/view_commands.h"

#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/type_menu.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

void RepaintBar(const ViewerRecord* record) {
  if (record->ButtonBar) InvalidateRect(record->ButtonBar, nullptr, TRUE);
}

void ShowCurrentAs(HWND window, ViewerRecord* record, int type) {
  record->Type = type;
  SelectTypeMenu(window, record);
  RepaintBar(record);
  ShowFile(window, record->CurrentIndex, true);
}

bool ShowsText(const ViewerRecord* record) { return RowOfType(record->Type).ShowsText; }

}  // namespace

void SetZoom(ViewerRecord* record, int zoom) {
  record->Zoom = zoom;
  if (record->Child) SendMessageA(record->Child, ZV_ZOOM, zoom, 0);
  RefreshStatus(record);
}

void ToggleWordWrap(ViewerRecord* record) {
  ShellState.WordWrap = !ShellState.WordWrap;
  if (record->Child) SendMessageA(record->Child, ZV_WORDWRAP, ShellState.WordWrap, 0);
}

bool LeaveEditing(ViewerRecord* record) {
  if (!ShowsText(record) || record->EditAvailable || !record->Child) return true;
  // The viewer asks about unsaved changes; Cancel keeps it editing.
  if (!SendMessageA(record->Child, ZV_MODE, 0, 0)) return false;
  record->EditAvailable = true;
  RepaintBar(record);
  return true;
}

void ShowAsText(HWND window, ViewerRecord* record) {
  if (ShowsText(record)) {
    LeaveEditing(record);
  } else {
    ShowCurrentAs(window, record, kTypeText);
  }
}

bool LeaveEditingEverywhere() {
  for (int i = 0; i < ShellState.ViewerCount; ++i) {
    ViewerRecord* record = RecordOf(ShellState.ViewerList[i]);
    if (record && !LeaveEditing(record)) return false;
  }
  return true;
}

void ShowAsHex(HWND window, ViewerRecord* record) {
  if (LeaveEditing(record)) ShowCurrentAs(window, record, kTypeHex);
}

void ShowInOwnViewer(HWND window, ViewerRecord* record) {
  if (!LeaveEditing(record)) return;
  if (!DetectViewerType(window, record, record->Files[record->CurrentIndex])) return;
  if (record->Type == kTypeText) {
    ShellMessage(window, IDS_NO_SPECIAL_VIEWER, ShellString(IDS_SORRY).c_str(), MB_ICONEXCLAMATION);
  }
  SelectTypeMenu(window, record);
  ShowFile(window, record->CurrentIndex, true);
}

void StartEditing(HWND window, ViewerRecord* record) {
  // The viewer refuses files it cannot edit (too large, a zero byte,
  // unreadable) and says why; the window then stays as it was.
  if (!record->Child || !SendMessageA(record->Child, ZV_MODE, 1, 0)) return;
  record->EditAvailable = false;
  HMENU file = GetSubMenu(GetMenu(window), kFilePopup);
  if (GetMenuState(file, CMD_SAVE_AS, MF_BYCOMMAND) == 0xFFFFFFFF) {
    InsertMenuA(file, CMD_LAUNCH, MF_BYCOMMAND | MF_STRING, CMD_SAVE_AS, "Save &As...");
  }
  RepaintBar(record);
}
