// Find, for text and for hex: each search goes to the viewer and the
// dialog stays open for the next one.
#include "controls/htctl32.h"
#include "shell/app/dialog_entry.h"
#include "shell/app/edit_filters.h"
#include "shell/app/find_goto_dialogs.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

constexpr int kFindChars = 59, kAsciiChars = 13, kHexDigits = 26;

// The viewer's answer to a search told, when it found nothing (more).
void Search(HWND dialog, const ViewerRecord* record, WPARAM matchCase, const char* what) {
  const LRESULT answer =
      SendMessageA(record->Child, ZV_FIND, matchCase, reinterpret_cast<LPARAM>(what));
  UINT text = 0;
  if (LOWORD(answer) == kFindNoMatch) text = IDS_NO_MATCHES;
  if (LOWORD(answer) == kFindNoFurther) text = IDS_NO_MORE_MATCHES;
  if (text) ShellMessage(dialog, text, ShellString(IDS_FIND_CAPTION).c_str(), MB_ICONEXCLAMATION);
}

void StartFind(HWND dialog, ViewerRecord* record) {
  PostMessageA(record->Child, ZV_FINDOPENING, 0, 0);
  SetFocus(PrepareEntry(dialog, IDC_FIND_TEXT, kFindChars, record->FindText));
  CheckDlgButton(dialog, IDC_MATCH_CASE, BST_UNCHECKED);
}

void StartHexFind(HWND dialog, ViewerRecord* record) {
  PostMessageA(record->Child, ZV_FINDOPENING, 0, 0);
  HWND ascii = PrepareEntry(dialog, IDC_FIND_TEXT, kAsciiChars, record->HexFindAscii);
  HWND hex = GetDlgItem(dialog, IDC_FIND_HEX);
  SendMessageA(hex, EM_LIMITTEXT, kHexDigits, 0);
  SetWindowTextA(hex, record->HexFindDigits);
  HGDIOBJ oem = GetStockObject(OEM_FIXED_FONT);
  for (HWND edit : {ascii, hex})
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(oem), FALSE);
  SubclassEdit(hex, HexFindEditProc);
  SubclassEdit(ascii, ASCIIFindEditProc);
  SetFocus(ascii);
  record->HexFindAsciiEdit = ascii;
  record->GotoEdit = hex;
}

void EndHexFind(HWND dialog, ViewerRecord* record) {
  RestoreEditProc(GetDlgItem(dialog, IDC_FIND_HEX));
  RestoreEditProc(GetDlgItem(dialog, IDC_FIND_TEXT));
  record->HexFindAsciiEdit = record->GotoEdit = nullptr;
  EndDialog(dialog, IDCANCEL);
}

}  // namespace

INT_PTR CALLBACK FindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsDialogColorMessage(message)) return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  if (message == WM_INITDIALOG) {
    StartFind(dialog, StartViewerDialog(dialog, lParam));
    return FALSE;  // the focus is set
  }
  if (message != WM_COMMAND) return FALSE;
  ViewerRecord* record = ViewerDialogRecord(dialog);
  switch (LOWORD(wParam)) {
    case IDOK:
      GetDlgItemTextA(dialog, IDC_FIND_TEXT, record->FindText, sizeof record->FindText);
      Search(dialog, record, IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED,
             record->FindText);
      return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK HexFindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsDialogColorMessage(message)) return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
  if (message == WM_INITDIALOG) {
    StartHexFind(dialog, StartViewerDialog(dialog, lParam));
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  ViewerRecord* record = ViewerDialogRecord(dialog);
  switch (LOWORD(wParam)) {
    case IDOK:
      GetDlgItemTextA(dialog, IDC_FIND_TEXT, record->HexFindAscii, sizeof record->HexFindAscii);
      GetDlgItemTextA(dialog, IDC_FIND_HEX, record->HexFindDigits, sizeof record->HexFindDigits);
      Search(dialog, record, 0, record->HexFindDigits);
      return TRUE;
    case IDCANCEL: EndHexFind(dialog, record); return TRUE;
  }
  return FALSE;
}

void ShowFindDialog(HWND window, ViewerRecord* record) {
  if (!record->Child) return;
  const bool hex = record->Type == kTypeHex;
  DialogBoxParamA(ShellState.instance, hex ? "HEXFIND" : "Find", window,
                  hex ? HexFindDlgProc : FindDlgProc, reinterpret_cast<LPARAM>(record));
}
