// About (144): the "DialogAbout" template with the version and build date.
#include <cstdio>

#include "viewer/app/about_dialog.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/instance.h"

namespace {
constexpr char kVersion[] = "1.0";

INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: {
      char text[80];
      std::snprintf(text, sizeof text, "Version %s   [%s, %s]", kVersion, __DATE__, __TIME__);
      SetDlgItemTextA(dlg, IDC_ABOUT_VERSION, text);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wParam) == IDOK ? 1 : 0);
        return TRUE;
      }
      break;
  }
  return FALSE;
}
}  // namespace

INT_PTR ShowAboutDialog(HWND owner) {
  return DialogBoxParamA(ProgramInstance(), "DialogAbout", owner, AboutProc, 0);
}
