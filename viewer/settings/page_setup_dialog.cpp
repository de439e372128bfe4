#include "viewer/settings/page_setup_dialog.h"

#include "common/decimal_number.h"
#include "viewer/resources/resource_ids.h"
#include "win32/field_validators.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/margin_units.h"
#include "viewer/settings/print_shades_dialog.h"

namespace {
struct OptionBox {
  int control;
  uint32_t bit;
};
constexpr OptionBox kBoxes[] = {
    {IDC_PAGE_FILE_NAME, PO_FILE_NAME},
    {IDC_PAGE_FULL_PATH, PO_FULL_PATH},
    {IDC_PAGE_DATE_TIME, PO_DATE_TIME},
    {IDC_PAGE_NUMBER, PO_PAGE_NUMBER},
    {IDC_PAGE_EJECT_FF, PO_EJECT_ON_FF},
    {IDC_PAGE_EJECT_TAGS_ONLY, PO_EJECT_TAGS_ONLY},
    {IDC_PAGE_TITLES, PO_PAGE_TITLES},
    {IDC_PAGE_SHADE_TAGS, PO_SHADE_TAGS},
    {IDC_PAGE_SHADE_SELECTION, PO_SHADE_SELECTION},
};

struct MarginField {
  int control;
  int PageMargins::*margin;
  const char* name;
};
// In the order the fields are checked.
constexpr MarginField kMargins[] = {
    {IDC_PAGE_TOP, &PageMargins::Top, "Page top margin"},
    {IDC_PAGE_LEFT, &PageMargins::Left, "Page left margin"},
    {IDC_PAGE_RIGHT, &PageMargins::Right, "Page right margin"},
    {IDC_PAGE_BOTTOM, &PageMargins::Bottom, "Page bottom margin"},
};

struct Working {
  PageSetupOptions* options = nullptr;
  const SetupSettings* setup = nullptr;
  MarginUnits units = MarginUnitsFor(1);
  char separator = '.';
};
Working gWork;

// The user may change the regional settings while the program runs, so
// they are read again each time the dialog opens.
void ReadRegionalSettings() {
  gWork.units = MarginUnitsFor(static_cast<int>(GetProfileIntA("intl", "iMeasure", 1)));
  char text[4] = ".";
  GetProfileStringA("intl", "sDecimal", ".", text, sizeof text);
  gWork.separator = text[0] ? text[0] : '.';
}

void Open(HWND dlg) {
  ReadRegionalSettings();
  SetDlgItemTextA(dlg, IDC_PAGE_MARGINS, gWork.units.Title);
  const PageSetupOptions& po = *gWork.options;
  for (const OptionBox& b : kBoxes)
    CheckDlgButton(dlg, b.control, (po.PrintOptions & b.bit) ? BST_CHECKED : BST_UNCHECKED);
  for (const MarginField& m : kMargins) {
    char text[24];
    FormatDecimal(text, gWork.separator, gWork.units.Decimals,
                  MarginToField(gWork.units, po.Margins.*m.margin));
    SetDlgItemTextA(dlg, m.control, text);
  }
  EnableWindow(GetDlgItem(dlg, IDC_PAGE_SAVE), !gWork.setup->ProfileReadOnly);
}

bool Commit(HWND dlg, bool save) {
  const MarginUnits& units = gWork.units;
  for (const MarginField& m : kMargins) {
    if (!ValidateDecimalField(dlg, m.control, 0, units.Limit, units.Decimals, m.name)) {
      gMessageBeep(MB_ICONASTERISK);
      return false;
    }
  }
  PageSetupOptions& po = *gWork.options;
  for (const MarginField& m : kMargins) {
    char text[129] = "";
    GetDlgItemTextA(dlg, m.control, text, sizeof text);
    int32_t value = 0;
    ParseDecimal(text, gWork.separator, units.Decimals, &value);
    po.Margins.*m.margin = MarginFromField(units, value);
  }
  // Bits that no box shows are dropped.
  po.PrintOptions = 0;
  for (const OptionBox& b : kBoxes)
    if (IsDlgButtonChecked(dlg, b.control) == BST_CHECKED) po.PrintOptions |= b.bit;
  if (save) SavePageSetup(kPageSetupSection);
  return true;
}

INT_PTR CALLBACK PageSetupProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    Open(dlg);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
    case IDC_PAGE_SAVE:
      if (Commit(dlg, LOWORD(wParam) == IDC_PAGE_SAVE)) EndDialog(dlg, 1);
      return TRUE;
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDC_PAGE_SHADES: PrintShadesDialog(dlg, gColors); return TRUE;
    case IDC_PAGE_HELP: ShowHelp(dlg, HELP_CONTEXT, 112); return TRUE;
  }
  return FALSE;
}
}  // namespace

bool PageSetupDialog(HWND owner, PageSetupOptions& options, const SetupSettings& setup) {
  gWork = Working{&options, &setup};
  return DialogBoxParamA(ProgramInstance(), "PageSetup", owner, PageSetupProc, 0) == 1;
}
