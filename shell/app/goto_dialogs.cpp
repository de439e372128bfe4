// Go To: a byte offset in hex (hex viewer), a record number (databases) or
// a cell (worksheets), posted to the viewer when OK is pressed.
#include <cstdio>

#include "controls/htctl32.h"
#include "shell/app/dialog_entry.h"
#include "shell/app/edit_filters.h"
#include "shell/app/find_goto_dialogs.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/core/cell_address.h"
#include "shell/core/goto_values.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

constexpr int kAddressChars = 8, kRecordChars = 8, kCellChars = 15;

LRESULT Ask(const ViewerRecord* record, UINT message) {
  return SendMessageA(record->Child, message, 0, 0);
}

void GoTo(const ViewerRecord* record, uint32_t where) {
  PostMessageA(record->Child, ZV_GOTO, 0, static_cast<LPARAM>(where));
}

// Static 454 filled from string textId with the file's name and what follows.
template <class... Args>
void Describe(HWND dialog, const ViewerRecord* record, UINT textId, Args... args) {
  char text[400];
  std::snprintf(text, sizeof text, ShellString(textId).c_str(), ShownFileName(*record), args...);
  SetDlgItemTextA(dialog, IDC_GOTO_INFO, text);
}

// The filtered field of the offset and record dialogs.
void StartEntry(HWND dialog, ViewerRecord* record, int limit, const char* text, WNDPROC filter) {
  HWND edit = PrepareEntry(dialog, IDC_GOTO_TEXT, limit, text);
  SubclassEdit(edit, filter);
  SetFocus(edit);
  record->GotoEdit = edit;
}

void EndEntry(HWND dialog, ViewerRecord* record, int result) {
  RestoreEditProc(GetDlgItem(dialog, IDC_GOTO_TEXT));
  record->GotoEdit = nullptr;
  EndDialog(dialog, result);
}

// The sheet's last column (low word) and last row (high word).
struct Extent {
  unsigned LastColumn, LastRow;
};
Extent SheetExtent(const ViewerRecord* record) {
  const auto answer = static_cast<DWORD>(Ask(record, ZV_LASTCELL));
  return {LOWORD(answer), HIWORD(answer)};
}

}  // namespace

INT_PTR CALLBACK GoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsDialogColorMessage(message)) return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  if (message == WM_INITDIALOG) {
    ViewerRecord* record = StartViewerDialog(dialog, lParam);
    Describe(dialog, record, IDS_FILE_SIZE, static_cast<unsigned long>(Ask(record, ZV_FILESIZE)));
    StartEntry(dialog, record, kAddressChars, record->HexGotoText, GoToEditProc);
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  ViewerRecord* record = ViewerDialogRecord(dialog);
  switch (LOWORD(wParam)) {
    case IDOK:
      GetDlgItemTextA(dialog, IDC_GOTO_TEXT, record->HexGotoText, sizeof record->HexGotoText);
      GoTo(record, HexGotoValue(record->HexGotoText));
      EndEntry(dialog, record, IDOK);
      return TRUE;
    case IDCANCEL: EndEntry(dialog, record, IDCANCEL); return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK DBFGoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsDialogColorMessage(message)) return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  if (message == WM_INITDIALOG) {
    ViewerRecord* record = StartViewerDialog(dialog, lParam);
    Describe(dialog, record, IDS_RECORD_COUNT,
             static_cast<unsigned long>(Ask(record, ZV_RECORDCOUNT)));
    StartEntry(dialog, record, kRecordChars, record->DbfGotoText, NumEditProc);
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  ViewerRecord* record = ViewerDialogRecord(dialog);
  switch (LOWORD(wParam)) {
    case IDOK:
      GetDlgItemTextA(dialog, IDC_GOTO_TEXT, record->DbfGotoText, sizeof record->DbfGotoText);
      GoTo(record, static_cast<uint32_t>(RecordNumberValue(record->DbfGotoText)));
      EndEntry(dialog, record, IDOK);
      return TRUE;
    case IDCANCEL: EndEntry(dialog, record, IDCANCEL); return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK WKSGoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsDialogColorMessage(message)) return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  if (message == WM_INITDIALOG) {
    ViewerRecord* record = StartViewerDialog(dialog, lParam);
    const Extent sheet = SheetExtent(record);
    char column[4];
    ColumnName(sheet.LastColumn, column);
    Describe(dialog, record, IDS_CELL_RANGE, column, sheet.LastRow + 1);
    SetFocus(PrepareEntry(dialog, IDC_GOTO_TEXT, kCellChars, record->WksGotoText));
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  ViewerRecord* record = ViewerDialogRecord(dialog);
  switch (LOWORD(wParam)) {
    case IDOK: {
      GetDlgItemTextA(dialog, IDC_GOTO_TEXT, record->WksGotoText, sizeof record->WksGotoText);
      const Extent sheet = SheetExtent(record);
      uint32_t cell;
      if (!ParseCell(record->WksGotoText, sheet.LastColumn, sheet.LastRow, &cell)) {
        ShellError(dialog, IDS_CELL_OUT_OF_RANGE, MB_ICONSTOP);
        return TRUE;
      }
      GoTo(record, cell);
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
  }
  return FALSE;
}

void ShowGoToDialog(HWND window, ViewerRecord* record) {
  if (!record->Child) return;
  const struct {
    const char* Template;
    DLGPROC Proc;
  } dialogs[] = {{nullptr, nullptr},  // in the order of GoToDialog
                 {"HEXGOTO", GoToDlgProc},
                 {"DBFGOTO", DBFGoToDlgProc},
                 {"WKSGOTO", WKSGoToDlgProc}};
  const auto& dialog = dialogs[static_cast<int>(RowOfType(record->Type).GoTo)];
  if (!dialog.Proc) return;
  DialogBoxParamA(ShellState.instance, dialog.Template, window, dialog.Proc,
                  reinterpret_cast<LPARAM>(record));
}
