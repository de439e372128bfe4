#include "viewer/settings/print_shades_dialog.h"

#include "viewer/resources/resource_ids.h"
#include "win32/field_validators.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"

namespace {
struct ShadeField {
  int control;
  int entry;
  const char* name;
};
// In the order the fields are checked.
constexpr ShadeField kFields[] = {
    {IDC_SHADE_NORMAL, 11, "Normal line text shade"},
    {IDC_SHADE_NORMAL_BGND, 12, "Normal line background shade"},
    {IDC_SHADE_TAGGED, 13, "Tagged line text shade"},
    {IDC_SHADE_TAGGED_BGND, 14, "Tagged line background shade"},
    {IDC_SHADE_HEADING, 15, "Heading text shade"},
    {IDC_SHADE_HEADING_BGND, 16, "Heading background shade"},
    {IDC_SHADE_COMMENT, 17, "Comment text shade"},
    {IDC_SHADE_COMMENT_BGND, 18, "Comment Background shade"},
    {IDC_SHADE_PAPER, 19, "Paper background shade"},
};

// The table as the dialog edits it, committed on OK or Save.
struct Working {
  ColorTable* colors = nullptr;
  ColorTable copy{};
};
Working gWork;

void ShowShades(HWND dlg) {
  for (const ShadeField& f : kFields)
    SetDlgItemInt(dlg, f.control, static_cast<UINT>(GreyToShade(gWork.copy[f.entry])), FALSE);
}

// Defaults go into the working copy only, so that Cancel still undoes them.
void ResetAll(HWND dlg) {
  for (int i = CLR_FIRST_SHADE; i <= CLR_LAST_SHADE; ++i) gWork.copy[i] = DefaultColor(i);
  ShowShades(dlg);
}

bool Commit(HWND dlg, bool save) {
  for (const ShadeField& f : kFields) {
    if (!ValidateIntField(dlg, f.control, 0, 8, f.name)) {
      gMessageBeep(MB_ICONASTERISK);
      return false;
    }
  }
  for (const ShadeField& f : kFields)
    gWork.copy[f.entry] =
        ShadeToGrey(static_cast<int>(GetDlgItemInt(dlg, f.control, nullptr, FALSE)));
  *gWork.colors = gWork.copy;
  if (save) SavePrintShades(kColorsSection);
  return true;
}

INT_PTR CALLBACK PrintShadesProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    ShowShades(dlg);
    SetFocus(GetDlgItem(dlg, kFields[0].control));
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
    case IDC_SHADES_SAVE:
      if (Commit(dlg, LOWORD(wParam) == IDC_SHADES_SAVE)) EndDialog(dlg, 1);
      return TRUE;
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDC_SHADES_RESET: ResetAll(dlg); return TRUE;
    case IDC_SHADES_HELP: ShowHelp(dlg, HELP_CONTEXT, 112); return TRUE;
  }
  return FALSE;
}
}  // namespace

bool PrintShadesDialog(HWND owner, ColorTable& colors) {
  gWork = Working{&colors, colors};
  return DialogBoxParamA(ProgramInstance(), "FormatShades", owner, PrintShadesProc, 0) == 1;
}
