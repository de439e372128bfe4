#include "viewer/settings/format_options_dialog.h"

#include "viewer/resources/resource_ids.h"
#include "win32/field_validators.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/color_dialog.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/view_font_win32.h"

namespace {
// While the dialog is open: the flag word of each format as the boxes left
// it (slot 3 while no format is selected) and the format shown.
struct Working {
  ViewOptions* options = nullptr;
  const SetupSettings* setup = nullptr;
  HWND mainWindow = nullptr;
  uint32_t flags[4] = {};
  int format = FORMAT_TEXT;
};
Working gWork;

struct FlagBox {
  int control;
  uint32_t bit;
};
constexpr FlagBox kFlagBoxes[] = {{IDC_WRAP, FMT_WRAP},
                                  {IDC_SHOW_BACKGROUND, FMT_SHOW_BACKGROUND},
                                  {IDC_FIXED_LENGTH, FMT_FIXED_LENGTH},
                                  {IDC_EXPAND_TABS, FMT_EXPAND_TABS}};

void ShowFlags(HWND dlg, uint32_t flags) {
  for (const FlagBox& b : kFlagBoxes)
    CheckDlgButton(dlg, b.control, (flags & b.bit) ? BST_CHECKED : BST_UNCHECKED);
}

// Only the boxes' bits and the form-feed bit survive a visit in the dialog.
uint32_t ComposeFlags(HWND dlg) {
  uint32_t flags = FMT_FORM_FEEDS;
  for (const FlagBox& b : kFlagBoxes)
    if (IsDlgButtonChecked(dlg, b.control) == BST_CHECKED) flags |= b.bit;
  return flags;
}

int Selection(HWND dlg, int list) {
  LRESULT i = SendDlgItemMessageA(dlg, list, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? 3 : static_cast<int>(i);
}

void Fill(HWND dlg, int list, std::initializer_list<const char*> items, int selected) {
  for (const char* item : items)
    SendDlgItemMessageA(dlg, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendDlgItemMessageA(dlg, list, CB_SETCURSEL, selected < 3 ? selected : -1, 0);
}

// The code list holds the Unicode codes after EBCDIC; their numbers follow
// 3, which stands for no code.
int CodeOfItem(int item) { return item < 3 ? item : item + 1; }
int ItemOfCode(int code) { return code < 3 ? code : (code > 3 ? code - 1 : -1); }

void Open(HWND dlg) {
  ViewOptions& vo = *gWork.options;
  for (int i = 0; i < 3; ++i) gWork.flags[i] = vo.FormatFlags[i];
  gWork.flags[3] = 0;
  gWork.format = vo.Format;
  // Start-up switches are forgotten once the dialog opens, also on Cancel.
  vo.CurrentFlags = vo.FormatFlags[vo.Format < 3 ? vo.Format : 3];
  ShowFlags(dlg, gWork.flags[gWork.format]);
  CheckDlgButton(dlg, IDC_VERT_SCROLL, static_cast<UINT>(vo.VertScroll));
  CheckDlgButton(dlg, IDC_HORZ_SCROLL, static_cast<UINT>(vo.HorzScroll));
  CheckDlgButton(dlg, IDC_ESC_EXIT, vo.EscExit ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_SAVE_POS, vo.SavePos ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemInt(dlg, IDC_TAB_LENGTH, static_cast<UINT>(vo.TabLength), FALSE);
  SetDlgItemInt(dlg, IDC_LINE_LENGTH, static_cast<UINT>(vo.LineLength), FALSE);
  Fill(dlg, IDC_FORMAT_LIST, {"Text", "Hex Dump", "Raw Text"}, vo.Format);
  Fill(dlg, IDC_CODE_LIST, {"ANSI", "ASCII", "EBCDIC", "UTF-8", "UTF-16 LE", "UTF-16 BE"}, 3);
  SendDlgItemMessageA(dlg, IDC_CODE_LIST, CB_SETCURSEL, ItemOfCode(vo.CharCode), 0);
  EnableWindow(GetDlgItem(dlg, IDC_SAVE_DEFAULTS), !gWork.setup->ProfileReadOnly);
  if (gWork.setup->DiagMode) SetDlgItemTextA(dlg, IDC_PROFILE_PATH, gWork.setup->ProfilePath);
}

void FormatChanged(HWND dlg) {
  gWork.flags[gWork.format] = ComposeFlags(dlg);
  gWork.format = Selection(dlg, IDC_FORMAT_LIST);
  ShowFlags(dlg, gWork.flags[gWork.format]);
}

bool Commit(HWND dlg, bool save) {
  if (!ValidateIntField(dlg, IDC_LINE_LENGTH, 4, 32767, "Line length") ||
      !ValidateIntField(dlg, IDC_TAB_LENGTH, 1, 255, "Tab length") ||
      !ValidateComboChoice(dlg, IDC_FORMAT_LIST, "format") ||
      !ValidateComboChoice(dlg, IDC_CODE_LIST, "code")) {
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  ViewOptions& vo = *gWork.options;
  for (int i = 0; i < 3; ++i) vo.FormatFlags[i] = gWork.flags[i];
  vo.LineLength = static_cast<int>(GetDlgItemInt(dlg, IDC_LINE_LENGTH, nullptr, FALSE));
  vo.TabLength = static_cast<int>(GetDlgItemInt(dlg, IDC_TAB_LENGTH, nullptr, FALSE));
  vo.VertScroll = static_cast<int8_t>(IsDlgButtonChecked(dlg, IDC_VERT_SCROLL));
  vo.HorzScroll = static_cast<int8_t>(IsDlgButtonChecked(dlg, IDC_HORZ_SCROLL));
  vo.EscExit = IsDlgButtonChecked(dlg, IDC_ESC_EXIT) == BST_CHECKED;
  vo.SavePos = IsDlgButtonChecked(dlg, IDC_SAVE_POS) == BST_CHECKED;
  vo.Format = Selection(dlg, IDC_FORMAT_LIST);
  vo.CharCode = CodeOfItem(Selection(dlg, IDC_CODE_LIST));
  vo.CurrentFlags = vo.FormatFlags[vo.Format] = ComposeFlags(dlg);
  ApplyCharCode(vo);
  if (save) {
    RECT r;
    GetWindowRect(gWork.mainWindow, &r);
    ScreenRect window{r.left, r.top, r.right, r.bottom};
    SaveViewOptions(kMainSection, &window);
    SaveColors("Tarvo Colors");
  }
  return true;
}

INT_PTR CALLBACK FormatOptionsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    Open(dlg);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_FORMAT_LIST:
      if (HIWORD(wParam) == CBN_SELCHANGE) FormatChanged(dlg);
      return TRUE;
    case IDOK:
    case IDC_SAVE_DEFAULTS:
      if (Commit(dlg, LOWORD(wParam) == IDC_SAVE_DEFAULTS)) EndDialog(dlg, 1);
      return TRUE;
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDC_FORMAT_HELP: ShowHelp(dlg, HELP_CONTEXT, 96); return TRUE;
    // Both commit at once: cancelling this dialog afterwards keeps them.
    case IDC_FONT:
      if (!ChooseViewFont(dlg, *gWork.options)) gMessageBeep(MB_ICONASTERISK);
      return TRUE;
    case IDC_COLOR: ColorDialog(dlg, gColors); return TRUE;
  }
  return FALSE;
}
}  // namespace

bool FormatOptionsDialog(HWND mainWindow, ViewOptions& options, const SetupSettings& setup) {
  gWork = Working{&options, &setup, mainWindow};
  return DialogBoxParamA(ProgramInstance(), "FormatOptions", mainWindow, FormatOptionsProc, 0) == 1;
}
