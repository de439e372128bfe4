#include "shell/app/about_box.h"

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"

namespace {

HFONT gTitleFont = nullptr;

// The dialog's font, three times as high, italic, in proof quality, in a
// TrueType face: the dialog's raster face cannot grow, and drawn three times
// as high it only spreads its small letters apart. The width is left to the
// font mapper.
HFONT MakeTitleFont(HWND dialog) {
  LOGFONTA font = {};
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!dialogFont || !GetObjectA(dialogFont, sizeof font, &font)) {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  }
  font.lfHeight *= 3;
  font.lfWidth = 0;
  font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  if (!font.lfPitchAndFamily) font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  font.lfItalic = TRUE;
  font.lfQuality = PROOF_QUALITY;
  return CreateFontIndirectA(&font);
}

// Widens the box, and the title with it, when the title is wider than its
// place; the other controls keep their place in the middle.
void FitTitle(HWND dialog) {
  HWND title = GetDlgItem(dialog, IDC_ABOUT_TITLE);
  HDC dc = GetDC(title);
  HGDIOBJ previous = SelectObject(dc, gTitleFont);
  SIZE text = {};
  GetTextExtentPoint32A(dc, ShellState.AppTitle, lstrlenA(ShellState.AppTitle), &text);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(title, dc);
  RECT place;
  GetWindowRect(title, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  const int growth =
      text.cx + metrics.tmOverhang + metrics.tmAveCharWidth - (place.right - place.left);
  if (growth <= 0) return;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    if (child == title)
      SetWindowPos(child, nullptr, 0, 0, r.right - r.left + growth, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (r.right > place.left)  // the icon, left of the title, stays
      SetWindowPos(child, nullptr, r.left + growth / 2, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT box;
  GetWindowRect(dialog, &box);
  SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left + growth, box.bottom - box.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(dialog, ShellState.AppTitle);
      gTitleFont = MakeTitleFont(dialog);
      SendDlgItemMessageA(dialog, IDC_ABOUT_TITLE, WM_SETFONT,
                          reinterpret_cast<WPARAM>(gTitleFont), FALSE);
      SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, ShellState.AppTitle);
      FitTitle(dialog);
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
