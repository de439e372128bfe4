#include "shell/app/no_assoc_dialog.h"

#include <string>

#include "controls/htctl32.h"
#include "shell/app/shell_state.h"
#include "shell/core/launch_rules.h"
#include "shell/resources/shell_ids.h"

#include <dlgs.h>

namespace {

struct ProgramRequest {
  std::string_view Extension;
  char* Program;  // kListPathChars
};

// The oldest shell's open dialog on our own template: centred, the focus in
// the name field.
UINT_PTR CALLBACK CentreOpenDialog(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  CenterWindow(dialog);
  SetFocus(GetDlgItem(dialog, edt1));
  return FALSE;  // the focus is set
}

bool PickProgram(HWND owner, char* program) {
  program[0] = '\0';
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "Programs (*.exe, *.com )\0*.EXE;*.COM\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = program;
  dialog.nMaxFile = kListPathChars;
  dialog.lpstrTitle = ShellState.AppTitle;
  dialog.lpstrDefExt = "EXE";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  HGLOBAL loaded = nullptr;
  if (!ShellState.NewShell) {
    HRSRC found = FindResourceA(ShellState.instance, "MyFileOpen", RT_DIALOG);
    loaded = found ? LoadResource(ShellState.instance, found) : nullptr;
    if (loaded) {
      dialog.hInstance = static_cast<HINSTANCE>(LockResource(loaded));
      dialog.Flags |= OFN_ENABLETEMPLATEHANDLE | OFN_ENABLEHOOK;
      dialog.lpfnHook = CentreOpenDialog;
    }
  }
  const bool picked = GetOpenFileNameA(&dialog);
  if (loaded) FreeResource(loaded);
  return picked;
}

// HKEY_CLASSES_ROOT\.<extension>\shell\open\command = "<program> %1".
// Failures are silent: the program still runs this once.
void RecordAssociation(std::string_view extension, const char* program) {
  const std::string key = "." + std::string(extension) + "\\shell\\open\\command";
  HKEY command;
  if (RegCreateKeyA(HKEY_CLASSES_ROOT, key.c_str(), &command) != ERROR_SUCCESS) return;
  const std::string value = AssociationCommand(program);
  RegSetValueExA(command, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(command);
}

}  // namespace

INT_PTR CALLBACK NoAssocDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongA(dialog, DWL_USER, lParam);
      const auto* request = reinterpret_cast<const ProgramRequest*>(lParam);
      SetWindowTextA(dialog, ShellState.AppTitle);
      EnableWindow(GetDlgItem(dialog, IDC_ASSOC_PERMANENT), !request->Extension.empty());
      CenterWindow(dialog);
      SetFocus(GetDlgItem(dialog, IDOK));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      const auto* request =
          reinterpret_cast<const ProgramRequest*>(GetWindowLongA(dialog, DWL_USER));
      switch (LOWORD(wParam)) {
        case IDOK: {
          const bool picked = PickProgram(dialog, request->Program);
          if (picked && IsDlgButtonChecked(dialog, IDC_ASSOC_PERMANENT) == BST_CHECKED) {
            RecordAssociation(request->Extension, request->Program);
          }
          EndDialog(dialog, picked);
          return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

bool ChooseProgram(HWND owner, std::string_view extension, char (&program)[kListPathChars]) {
  ProgramRequest request = {extension, program};
  return DialogBoxParamA(ShellState.instance, "NOASSOC", owner, NoAssocDlgProc,
                         reinterpret_cast<LPARAM>(&request)) == 1;
}
