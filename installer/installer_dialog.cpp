#include <cstdio>

#include "installer/installer.h"
#include "installer/installer_ids.h"
#include "win32/message_report.h"
#include "win32/modal_dialog.h"

namespace {

bool AskReplaceInDialog(void* context, const char* name, const char* targetDir) {
  char text[2 * kInstallerPathSize];
  std::snprintf(text, sizeof text, "%s is already in\n%s\n\nReplace it?", name, targetDir);
  return MessageBoxA(static_cast<HWND>(context), text, kInstallerCaption,
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void OnInitDialog(HWND dialog, InstallJob* job) {
  KeepDialogRecord(dialog, reinterpret_cast<LPARAM>(job));
  for (size_t i = 0; i < job->list.count; ++i)
    SendDlgItemMessageA(dialog, IDC_FILES, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(job->list.names[i]));
  SendDlgItemMessageA(dialog, IDC_FOLDER, EM_LIMITTEXT, kInstallerPathSize - 1, 0);
  SetDlgItemTextA(dialog, IDC_FOLDER, job->targetDir);
}

void OnInstall(HWND dialog, InstallJob* job) {
  if (GetDlgItemTextA(dialog, IDC_FOLDER, job->targetDir, sizeof job->targetDir) == 0) {
    ReportMessage(dialog, "Type the folder to install into.", kInstallerCaption,
                  MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  char text[2 * kInstallerPathSize];
  if (!PrepareTargetDir(*job, text, sizeof text)) {
    ReportMessage(dialog, text, kInstallerCaption, MB_OK | MB_ICONHAND);
    return;
  }
  static InstallReport report;
  report = {};
  InstallFiles(*job, AskReplaceInDialog, dialog, report);
  static char shown[sizeof report.text + 128];
  char summary[96];
  SummarizeReport(report, summary, sizeof summary);
  std::snprintf(shown, sizeof shown, "%s\n%s", report.text, summary);
  UINT icon = report.failed > 0 ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
  ReportMessage(dialog, shown, kInstallerCaption, MB_OK | icon);
  EndDialog(dialog, report.failed > 0 ? kInstallSomeFailed : kInstallDone);
}

}  // namespace

INT_PTR CALLBACK InstallerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog, reinterpret_cast<InstallJob*>(lParam)); return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: OnInstall(dialog, DialogRecord<InstallJob>(dialog)); return TRUE;
        case IDCANCEL: EndDialog(dialog, kInstallCancelled); return TRUE;
      }
      break;
  }
  return FALSE;
}
