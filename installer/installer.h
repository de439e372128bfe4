// TRUSetup.exe: installs the suite's programs listed in "FILES.LST" from its
// own folder into a folder the user chooses (the dialog) or names on the
// command line (unattended).
#pragma once
#include <windows.h>

#include "installer/install_files.h"

// Exit codes, for scripts that run the installer unattended.
enum InstallerExit {
  kInstallDone = 0,
  kInstallSomeFailed = 1,
  kInstallCannotStart = 2,  // bad command line, no usable list, folder not made
  kInstallCancelled = 3,
};

inline constexpr const char* kInstallerCaption = "Tarvo Setup";

// lParam of the dialog's creation: the InstallJob, whose target folder is the suggestion.
INT_PTR CALLBACK InstallerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Installs into the prepared job.targetDir without a window: a file already
// there is replaced only with Overwrite::Yes; what happened goes to the log
// file when one is named.
int RunUnattended(const InstallerArgs& args, const InstallJob& job);

int InstallerMain(HINSTANCE instance, const char* commandLine);
