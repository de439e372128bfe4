#include "viewer/settings/freeze_columns_dialog.h"

#include "viewer/resources/resource_ids.h"
#include "win32/field_validators.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"
#include "viewer/settings/view_font_win32.h"
#include "win32/screen_resolution.h"

namespace {
constexpr UINT WM_CARET_COLUMN = WM_USER + 735;
constexpr char kRuler[] =
    "....+....1....+....2....+....3....+....4....+....5....+....6....+....7....+....8";

struct DialogState {
  HFONT font = nullptr;
  WNDPROC sampleProc = nullptr;
  WNDPROC rulerProc = nullptr;
  const char* line = "";
  ViewOptions* options = nullptr;
};
DialogState gState;

// Both edits report the caret after the click or key has moved it.
LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_LBUTTONDOWN || msg == WM_KEYDOWN)
    PostMessageA(GetParent(edit), WM_CARET_COLUMN, 0, reinterpret_cast<LPARAM>(edit));
  WNDPROC previous = GetDlgCtrlID(edit) == IDC_SAMPLE ? gState.sampleProc : gState.rulerProc;
  return CallWindowProcA(previous, edit, msg, wParam, lParam);
}

HFONT SmallViewerFont(HWND dlg) {
  const LOGFONTA lf =
      ViewLogFont(*gState.options, PointsToHeightRounded(8, ScreenPixelsPerInchY(dlg)));
  return CreateFontIndirectA(&lf);
}

void Open(HWND dlg) {
  SetDlgItemInt(dlg, IDC_COLUMNS, static_cast<UINT>(gState.options->FreezeColumns), FALSE);
  SetDlgItemTextA(dlg, IDC_SAMPLE, gState.line);
  SetDlgItemTextA(dlg, IDC_RULER, kRuler);
  gState.font = SmallViewerFont(dlg);
  HWND sample = GetDlgItem(dlg, IDC_SAMPLE), ruler = GetDlgItem(dlg, IDC_RULER);
  if (gState.font) {
    SendMessageA(sample, WM_SETFONT, reinterpret_cast<WPARAM>(gState.font), FALSE);
    SendMessageA(ruler, WM_SETFONT, reinterpret_cast<WPARAM>(gState.font), FALSE);
  }
  gState.sampleProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(sample, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
  gState.rulerProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(ruler, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
}

void Close(HWND dlg, INT_PTR result) {
  SetWindowLongPtrA(GetDlgItem(dlg, IDC_SAMPLE), GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(gState.sampleProc));
  SetWindowLongPtrA(GetDlgItem(dlg, IDC_RULER), GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(gState.rulerProc));
  EndDialog(dlg, result);
  if (gState.font) DeleteObject(gState.font);
  gState = DialogState{};
}

INT_PTR CALLBACK FreezeColumnsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: Open(dlg); return TRUE;
    case WM_CARET_COLUMN: {
      DWORD selection =
          static_cast<DWORD>(SendMessageA(reinterpret_cast<HWND>(lParam), EM_GETSEL, 0, 0));
      SetDlgItemInt(dlg, IDC_COLUMNS, LOWORD(selection), FALSE);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          if (!ValidateIntField(dlg, IDC_COLUMNS, 0, 255, "Number of columns to lock")) {
            MessageBeep(MB_ICONASTERISK);
            return TRUE;
          }
          gState.options->FreezeColumns =
              static_cast<int>(GetDlgItemInt(dlg, IDC_COLUMNS, nullptr, FALSE));
          Close(dlg, 1);
          return TRUE;
        case IDCANCEL: Close(dlg, 0); return TRUE;
        case IDC_COLUMNS_HELP: ShowHelp(dlg, HELP_CONTEXT, 192); return TRUE;
      }
      break;
  }
  return FALSE;
}
}  // namespace

bool FreezeColumnsDialog(HWND owner, const char* lineText, ViewOptions& options) {
  gState.line = lineText ? lineText : "";
  gState.options = &options;
  return DialogBoxParamA(ProgramInstance(), "FreezeColumns", owner, FreezeColumnsProc, 0) == 1;
}
