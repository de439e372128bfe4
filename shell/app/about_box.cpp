#include "shell/app/about_box.h"

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"

namespace {

HFONT gTitleFont = nullptr;

// The dialog's font, three times as large, italic, in proof quality.
HFONT MakeTitleFont(HWND dialog) {
  LOGFONTA font = {};
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!dialogFont || !GetObjectA(dialogFont, sizeof font, &font)) {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  }
  font.lfHeight *= 3;
  font.lfWidth *= 3;
  font.lfItalic = TRUE;
  font.lfQuality = PROOF_QUALITY;
  return CreateFontIndirectA(&font);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(dialog, ShellState.AppTitle);
      gTitleFont = MakeTitleFont(dialog);
      SendDlgItemMessageA(dialog, IDC_ABOUT_TITLE, WM_SETFONT,
                          reinterpret_cast<WPARAM>(gTitleFont), FALSE);
      SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, ShellState.AppTitle);
      CenterWindow(dialog);
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<INT_PTR>(DoCtlColor(wParam, lParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 1);
        if (gTitleFont) DeleteObject(gTitleFont);
        gTitleFont = nullptr;
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner) {
  DialogBoxParamA(ShellState.instance, ShellState.DwgEdition ? "AboutDWG" : "About", owner,
                  AboutDlgProc, 0);
}
