#include "viewer/navigation/goto_dialog.h"

#include <cstdio>

#include "viewer/resources/resource_ids.h"
#include "win32/field_validators.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"

namespace {
constexpr int kNumberChars = 16;

// The records of the dialog that runs (one at a time: it is modal).
const GoToLimits* gLimits = nullptr;
GoToRequest* gRequest = nullptr;

void ShowNoNumber(HWND dlg) {
  SetDlgItemTextA(dlg, IDC_GOTO_RANGE, "");
  SetDlgItemTextA(dlg, IDC_GOTO_NUMBER, "N/A");
  EnableWindow(GetDlgItem(dlg, IDC_GOTO_NUMBER), FALSE);
}

void AskForNumber(HWND dlg, const char* start, const char* range) {
  SetDlgItemTextA(dlg, IDC_GOTO_NUMBER, start);
  SetDlgItemTextA(dlg, IDC_GOTO_RANGE, range);
  HWND edit = GetDlgItem(dlg, IDC_GOTO_NUMBER);
  EnableWindow(edit, TRUE);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
}

void Open(HWND dlg) {
  CheckDlgButton(dlg, IDC_GOTO_TOP, BST_CHECKED);
  SendDlgItemMessageA(dlg, IDC_GOTO_NUMBER, EM_LIMITTEXT, kNumberChars, 0);
  ShowNoNumber(dlg);
  if (gLimits->PageCount <= 0) EnableWindow(GetDlgItem(dlg, IDC_GOTO_PAGE), FALSE);
  SetFocus(GetDlgItem(dlg, IDC_GOTO_TOP));
}

void OnChoice(HWND dlg, int id) {
  char range[40];
  switch (id) {
    case IDC_GOTO_TOP:
    case IDC_GOTO_BOTTOM: ShowNoNumber(dlg); return;
    case IDC_GOTO_BYTE:
      std::snprintf(range, sizeof range, "1 to 0x%llX",
                    static_cast<unsigned long long>(gLimits->FileSize));
      AskForNumber(dlg, "0x000000", range);
      return;
    case IDC_GOTO_PAGE:
      if (gLimits->PageCount > 0)
        std::snprintf(range, sizeof range, "1 to %ld", static_cast<long>(gLimits->PageCount));
      else
        std::snprintf(range, sizeof range, "N/A");
      AskForNumber(dlg, "1", range);
      return;
  }
}

int CheckedChoice(HWND dlg) {
  for (int id = IDC_GOTO_TOP; id <= IDC_GOTO_PAGE; ++id)
    if (IsDlgButtonChecked(dlg, id) == BST_CHECKED) return id;
  return 0;
}

// The checked number field as a request of kind; false when it was refused.
bool ReadNumber(HWND dlg, int32_t kind, int64_t min, int64_t max, const char* name,
                GoToRequest* request) {
  if (!ValidateLongField(dlg, IDC_GOTO_NUMBER, min, max, name)) return false;
  bool ok = false;
  *request = {kind, ReadLongField(dlg, IDC_GOTO_NUMBER, &ok, false)};
  return true;
}

bool Accept(HWND dlg) {
  GoToRequest request;
  bool accepted = true;
  switch (CheckedChoice(dlg)) {
    case IDC_GOTO_TOP: request = {GOTO_TOP, 0}; break;
    case IDC_GOTO_BOTTOM: request = {GOTO_BOTTOM, kGoToBottomValue}; break;
    case IDC_GOTO_BYTE:
      accepted = ReadNumber(dlg, GOTO_BYTE, 0, gLimits->FileSize, "File Offset", &request);
      break;
    case IDC_GOTO_PAGE:
      accepted = ReadNumber(dlg, GOTO_PAGE, 1, gLimits->PageCount, "Page Number", &request);
      break;
  }
  if (!accepted) {
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  *gRequest = request;
  return true;
}

INT_PTR CALLBACK GoToProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: Open(dlg); return FALSE;  // the focus is set
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_GOTO_TOP:
        case IDC_GOTO_BOTTOM:
        case IDC_GOTO_BYTE:
        case IDC_GOTO_PAGE:
          if (HIWORD(wParam) == BN_CLICKED) OnChoice(dlg, LOWORD(wParam));
          return TRUE;
        case IDOK:
          if (Accept(dlg)) EndDialog(dlg, 1);
          return TRUE;
        case IDCANCEL: EndDialog(dlg, 0); return TRUE;
      }
      break;
  }
  return FALSE;
}
}  // namespace

INT_PTR RunGoToDialog(HWND owner, const GoToLimits& limits, GoToRequest& request) {
  gLimits = &limits;
  gRequest = &request;
  return DialogBoxParamA(ProgramInstance(), "GoToDlg", owner, GoToProc, 0);
}
