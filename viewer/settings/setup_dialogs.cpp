#include "viewer/settings/setup_dialogs.h"

#include <cstring>
#include <string>
#include <vector>

#include "viewer/resources/resource_ids.h"
#include "viewer/services/help.h"
#include "viewer/services/instance.h"
#include "viewer/services/ui_seam.h"
#include "win32/modal_dialog.h"

namespace {
constexpr int kBoxes[kSetupBoxes] = {IDC_SETUP_FORMAT, IDC_SETUP_TITLES, IDC_SETUP_PAGE_SETUP,
                                     IDC_SETUP_PRINT_SETUP, IDC_SETUP_COLORS};
constexpr int kTypedNameChars = 505;

GroupMasks BoxMasks(HWND dlg) {
  BoxState states[kSetupBoxes];
  for (int i = 0; i < kSetupBoxes; ++i) {
    const UINT state = IsDlgButtonChecked(dlg, kBoxes[i]);
    states[i] = state == BST_INDETERMINATE ? BoxState::kGrey
                : state == BST_CHECKED     ? BoxState::kChecked
                                           : BoxState::kUnchecked;
  }
  return MasksOfBoxes(states);
}

bool IsBox(int control) {
  for (int box : kBoxes)
    if (box == control) return true;
  return false;
}

// The name part of the current setup, when there is one.
const char* CurrentName(const NamedSetupState& state) {
  const size_t prefix = sizeof kSetupPrefix - 1;
  return state.CurrentSetup[0] ? state.CurrentSetup + prefix : nullptr;
}

// Fills a combo box or list box with the listed setups and selects the
// first that begins with the current setup's name.
void FillNames(HWND list, const NamedSetupState& state, bool combo) {
  const UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
  for (const std::string& name : ReadSetupList())
    SendMessageA(list, add, 0, reinterpret_cast<LPARAM>(name.c_str()));
  if (const char* current = CurrentName(state)) {
    const LRESULT at = SendMessageA(list, combo ? CB_FINDSTRING : LB_FINDSTRING,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(current));
    if (at >= 0) SendMessageA(list, combo ? CB_SETCURSEL : LB_SETCURSEL, at, 0);
  }
}

// ----- Save Options
INT_PTR CALLBACK SaveOptionsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto enableSave = [dlg] {
    EnableWindow(GetDlgItem(dlg, IDOK), BoxMasks(dlg).Grey != kAllBoxGroups);
  };
  if (msg == WM_INITDIALOG) {
    KeepDialogRecord(dlg, lParam);
    for (int box : {IDC_SETUP_FORMAT, IDC_SETUP_TITLES, IDC_SETUP_COLORS})
      CheckDlgButton(dlg, box, BST_CHECKED);
    for (int box : {IDC_SETUP_PAGE_SETUP, IDC_SETUP_PRINT_SETUP})
      CheckDlgButton(dlg, box, BST_INDETERMINATE);
    enableSave();
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  const int control = LOWORD(wParam);
  if (IsBox(control)) {
    enableSave();
    return TRUE;
  }
  switch (control) {
    case IDOK: {
      const GroupMasks masks = BoxMasks(dlg);
      if (masks.Grey == kAllBoxGroups) return TRUE;
      *DialogRecord<GroupMasks>(dlg) = masks;
      EndDialog(dlg, 1);
      return TRUE;
    }
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDC_SETUP_HELP: ShowHelp(dlg, HELP_CONTEXT, 224); return TRUE;
  }
  return FALSE;
}

// ----- Save Setup
// Whether the name field was edited after the last choice from the list.
bool gNameTyped = false;

bool Refuse(HWND dlg, const char* text) {
  ReportMessage(dlg, text, kProgramCaption, MB_OK | MB_ICONHAND);
  SetFocus(GetDlgItem(dlg, IDC_SETUP_NAME));
  return false;
}

bool TakeSetupName(HWND dlg, NamedSetupState& state) {
  HWND combo = GetDlgItem(dlg, IDC_SETUP_NAME);
  std::string section = kSetupPrefix;
  const LRESULT at = gNameTyped ? CB_ERR : SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (at >= 0) {
    std::vector<char> text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, at, 0)) + 1);
    SendMessageA(combo, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    section += text.data();
  } else {
    char typed[kTypedNameChars + 1] = "";
    GetWindowTextA(combo, typed, sizeof typed);
    section += typed;
  }
  if (const char* problem = SetupNameProblem(section)) return Refuse(dlg, problem);
  const int mask = BoxMasks(dlg).Set;
  if (mask == 0) return false;
  std::memcpy(state.CurrentSetup, section.c_str(), section.size() + 1);
  state.LastGroupMask = mask;
  return true;
}

INT_PTR CALLBACK SaveSetupProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto enableSave = [dlg] { EnableWindow(GetDlgItem(dlg, IDOK), BoxMasks(dlg).Set != 0); };
  if (msg == WM_INITDIALOG) {
    KeepDialogRecord(dlg, lParam);
    const auto& opening = *reinterpret_cast<NamedSetupState*>(lParam);
    gNameTyped = false;
    FillNames(GetDlgItem(dlg, IDC_SETUP_NAME), opening, true);
    const int mask = opening.LastGroupMask ? opening.LastGroupMask : SAVE_FORMAT | SAVE_TITLES;
    for (int i = 0; i < kSetupBoxes; ++i)
      CheckDlgButton(dlg, kBoxes[i], (mask & kSetupBoxGroups[i]) ? BST_CHECKED : BST_UNCHECKED);
    enableSave();
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  const int control = LOWORD(wParam);
  if (IsBox(control)) {
    enableSave();
    return TRUE;
  }
  if (control == IDC_SETUP_NAME) {
    if (HIWORD(wParam) == CBN_EDITCHANGE) gNameTyped = true;
    if (HIWORD(wParam) == CBN_SELCHANGE) gNameTyped = false;
    return FALSE;
  }
  switch (control) {
    case IDOK: {
      auto* state = DialogRecord<NamedSetupState>(dlg);
      if (TakeSetupName(dlg, *state)) EndDialog(dlg, 1);
      return TRUE;
    }
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
  }
  return FALSE;
}

// ----- Load Setup
bool TakeListedSetup(HWND dlg, NamedSetupState& state) {
  HWND list = GetDlgItem(dlg, IDC_SETUP_NAME);
  const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (at < 0) {
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  std::vector<char> name(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, at, 0)) + 1);
  SendMessageA(list, LB_GETTEXT, at, reinterpret_cast<LPARAM>(name.data()));
  const std::string section = kSetupPrefix + std::string(name.data());
  if (section.size() > static_cast<size_t>(kSetupSectionChars)) {
    ReportMessage(dlg, "Selected name too long.", kProgramCaption, MB_OK | MB_ICONHAND);
    gMessageBeep(MB_ICONASTERISK);
    return false;
  }
  std::memcpy(state.CurrentSetup, section.c_str(), section.size() + 1);
  return true;
}

INT_PTR CALLBACK LoadSetupProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    KeepDialogRecord(dlg, lParam);
    FillNames(GetDlgItem(dlg, IDC_SETUP_NAME), *reinterpret_cast<NamedSetupState*>(lParam), false);
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  auto& state = *DialogRecord<NamedSetupState>(dlg);
  const bool doubleClick = LOWORD(wParam) == IDC_SETUP_NAME && HIWORD(wParam) == LBN_DBLCLK;
  switch (doubleClick ? IDOK : LOWORD(wParam)) {
    case IDOK:
      if (TakeListedSetup(dlg, state)) EndDialog(dlg, 1);
      return TRUE;
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
  }
  return FALSE;
}
}  // namespace

bool SaveOptionsDialog(HWND owner, GroupMasks* masks) {
  return RunModalDialog(ProgramInstance(), "SaveOptions", owner, SaveOptionsProc, masks) == 1;
}

bool SaveSetupDialog(HWND owner, NamedSetupState& state) {
  return RunModalDialog(ProgramInstance(), "SaveSetup", owner, SaveSetupProc, &state) == 1;
}

bool LoadSetupDialog(HWND owner, NamedSetupState& state) {
  return RunModalDialog(ProgramInstance(), "LoadSetup", owner, LoadSetupProc, &state) == 1;
}
