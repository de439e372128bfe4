#include "shell/app/settings_dialog.h"

#include "controls/htctl32.h"
#include "shell/app/launcher_notice.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/core/shell_settings.h"
#include "shell/resources/shell_ids.h"

namespace {

constexpr int kCaptionEditLimit = 150;
constexpr DWORD kSettingsHelpContext = 120;

bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Enable(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled); }

// The icon's two places follow "Hide icon".
void FollowHideIcon(HWND dialog) {
  const bool shown = !Ticked(dialog, IDC_HIDEICON);
  Enable(dialog, IDC_ICON_VISIBLE, shown);
  Enable(dialog, IDC_SAVEICONPOS, shown);
}

void OnInitDialog(HWND dialog) {
  SetWindowTextA(dialog, ShellState.AppTitle);
  const SettingsChoices choices = ReadSettingsChoices(ShellIni(), LauncherIni());
  CheckDlgButton(dialog, IDC_AUTOOPEN, choices.AutoOpen);
  CheckDlgButton(dialog, IDC_AUTOVIEW, choices.AutoView);
  CheckDlgButton(dialog, IDC_AUTOTOP, choices.AutoTop);
  Enable(dialog, IDC_AUTOOPEN, choices.AutoView);
  // The icon's boxes show the settings in force even where they are
  // disabled, since OK takes them as they stand: on the newer shells,
  // where the main window has no icon, they keep what they were.
  const ShellFlags& flags = ShellState.Flags;
  SendDlgItemMessageA(dialog, IDC_ICON_CAPTION, EM_LIMITTEXT, kCaptionEditLimit, 0);
  SetDlgItemTextA(dialog, IDC_ICON_CAPTION, flags.IconCaption);
  CheckDlgButton(dialog, IDC_ICON_VISIBLE, flags.Visible);
  CheckDlgButton(dialog, IDC_SAVEICONPOS, flags.SaveIconPos);
  CheckDlgButton(dialog, IDC_HIDEICON, flags.HideIcon);
  FollowHideIcon(dialog);
  if (ShellState.NewShell) {
    for (int id : {IDC_ICON_CAPTION, IDC_ICON_VISIBLE, IDC_SAVEICONPOS, IDC_HIDEICON})
      Enable(dialog, id, false);
  }
  SetFocus(GetDlgItem(dialog, IDOK));
  CenterWindow(dialog);
}

void OnOk(HWND dialog) {
  const SettingsChoices choices = {Ticked(dialog, IDC_AUTOVIEW), Ticked(dialog, IDC_AUTOOPEN),
                                   Ticked(dialog, IDC_AUTOTOP)};
  ShellFlags& flags = ShellState.Flags;
  flags.AutoOpen = choices.AutoOpen;
  flags.AutoTop = choices.AutoTop;
  flags.HideIcon = Ticked(dialog, IDC_HIDEICON);
  flags.Visible = Ticked(dialog, IDC_ICON_VISIBLE);
  flags.SaveIconPos = Ticked(dialog, IDC_SAVEICONPOS);
  GetDlgItemTextA(dialog, IDC_ICON_CAPTION, flags.IconCaption, sizeof flags.IconCaption);
  HWND main = ShellState.MainWindow;
  SetWindowPos(main, flags.Visible ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  WriteSettingsChoices(ShellIni(), LauncherIni(), choices, flags);
  SetWindowTextA(main, flags.IconCaption);
  NotifyLauncher(main);
  ShowWindow(main, flags.HideIcon || ShellState.NewShell ? SW_HIDE : SW_SHOWMINIMIZED);
  InvalidateRect(main, nullptr, TRUE);
}

}  // namespace

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); return FALSE;  // the focus is set
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_AUTOVIEW: Enable(dialog, IDC_AUTOOPEN, Ticked(dialog, IDC_AUTOVIEW)); return TRUE;
        case IDC_HIDEICON: FollowHideIcon(dialog); return TRUE;
        case IDC_DIALOG_HELP:
          WinHelpA(dialog, ShellState.HelpFile, HELP_CONTEXT, kSettingsHelpContext);
          return TRUE;
        case IDOK:
          OnOk(dialog);
          EndDialog(dialog, 1);
          return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR ShowSettingsDialog(HWND owner) {
  return DialogBoxParamA(ShellState.instance, "Settings", owner, SettingsDlgProc, 0);
}
