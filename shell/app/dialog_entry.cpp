#include "shell/app/dialog_entry.h"

#include <cstring>

#include "controls/htctl32.h"
#include "win32/modal_dialog.h"

ViewerRecord* StartViewerDialog(HWND dialog, LPARAM initParam) {
  KeepDialogRecord(dialog, initParam);
  CenterWindow(dialog);
  return ViewerDialogRecord(dialog);
}

ViewerRecord* ViewerDialogRecord(HWND dialog) { return DialogRecord<ViewerRecord>(dialog); }

HWND PrepareEntry(HWND dialog, int id, int limit, const char* text) {
  HWND edit = GetDlgItem(dialog, id);
  SendMessageA(edit, EM_LIMITTEXT, limit, 0);
  SetWindowTextA(edit, text);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  return edit;
}

bool IsDialogColorMessage(UINT message) {
  return message == WM_CTLCOLORBTN || message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC;
}

const char* ShownFileName(const ViewerRecord& record) {
  const char* path = record.Files[record.CurrentIndex];
  const char* slash = std::strrchr(path, '\\');
  return slash ? slash + 1 : path;
}
