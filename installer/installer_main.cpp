#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "installer/installer.h"
#include "installer/installer_ids.h"
#include "win32/message_report.h"
#include "win32/modal_dialog.h"

namespace {

bool AnswerFromArguments(void* context, const char*, const char*) {
  return *static_cast<const Overwrite*>(context) == Overwrite::Yes;
}

void WriteLog(const char* path, const char* text) {
  if (!*path) return;
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  CloseHandle(file);
}

void ShowError(const char* text) {
  ReportMessage(nullptr, text, kInstallerCaption, MB_OK | MB_ICONHAND);
}

InstallJob gJob;

}  // namespace

int RunUnattended(const InstallerArgs& args, const InstallJob& job) {
  static InstallReport report;
  report = {};
  Overwrite answer = args.overwrite;
  InstallFiles(job, AnswerFromArguments, &answer, report);
  char summary[96];
  SummarizeReport(report, summary, sizeof summary);
  static char log[sizeof report.text + sizeof summary + 2];
  std::snprintf(log, sizeof log, "%s%s\r\n", report.text, summary);
  WriteLog(args.logPath, log);
  return report.failed > 0 ? kInstallSomeFailed : kInstallDone;
}

int InstallerMain(HINSTANCE instance, const char* commandLine) {
  static InstallerArgs args;
  char error[512];
  bool usable = ParseInstallerArgs(commandLine, args, error, sizeof error);
  if (!usable && !args.quiet) {
    char text[sizeof error + 128];
    std::snprintf(text, sizeof text,
                  "%s\n\nTRUSetup [/quiet] [/dir:FOLDER] [/overwrite:yes|no] [/log:FILE]", error);
    ShowError(text);
    return kInstallCannotStart;
  }
  if (usable) usable = LoadInstallJob(gJob, error, sizeof error);
  if (usable) {
    if (*args.targetDir)
      CopyText(gJob.targetDir, args.targetDir);
    else
      DefaultTargetDir(gJob.targetDir, sizeof gJob.targetDir);
    if (!args.quiet) {
      INT_PTR result = RunModalDialog(instance, MAKEINTRESOURCEA(IDD_INSTALLER), nullptr,
                                      InstallerDlgProc, &gJob);
      return result < 0 ? kInstallCannotStart : static_cast<int>(result);
    }
    usable = PrepareTargetDir(gJob, error, sizeof error);
  }
  if (!usable) {
    // Unattended runs report to their log only: no box waits for a person.
    if (args.quiet)
      WriteLog(args.logPath, error);
    else
      ShowError(error);
    return kInstallCannotStart;
  }
  return RunUnattended(args, gJob);
}
