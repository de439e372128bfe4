#include "setup/loader.h"

#include "common/text_copy.h"
#include "setup/loader_plan.h"
#include "win32/message_report.h"
#include "setup/setup_ids.h"

namespace {

void CopyRuntimeLibraries(const char* loaderDir) {
  char systemDir[kLoaderPathSize];
  UINT n = GetSystemDirectoryA(systemDir, sizeof systemDir - 1);
  if (n == 0 || n >= sizeof systemDir - 1) return;
  CopyText(systemDir + n, sizeof systemDir - n, "\\");
  for (const char* name : RuntimeLibraries(LOBYTE(LOWORD(GetVersion())))) {
    char from[kLoaderPathSize];
    char to[kLoaderPathSize];
    // A copy already in the system directory may be in use or newer: never replace it.
    if (JoinPath(from, sizeof from, loaderDir, name) && JoinPath(to, sizeof to, systemDir, name))
      CopyFileA(from, to, TRUE);
  }
}

void StartInstaller(const char* loaderDir) {
  char path[kLoaderPathSize];
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_FORCEONFEEDBACK;
  PROCESS_INFORMATION process = {};
  // A cut path would start some other program: report it as too long instead.
  DWORD error = ERROR_FILENAME_EXCED_RANGE;
  if (JoinPath(path, sizeof path, loaderDir, kInstallerName)) {
    if (CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      return;
    }
    error = GetLastError();
  }
  char text[2 * kLoaderPathSize];
  FormatStartFailure(text, sizeof text, error, path);
  ReportMessage(nullptr, text, "Setup failed", MB_OK | MB_ICONHAND);
}

}  // namespace

INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    RECT box;
    GetWindowRect(dialog, &box);
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 3, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return 0;
}

void RunLoader(const char* loaderDir) {
  CopyRuntimeLibraries(loaderDir);
  StartInstaller(loaderDir);
}

int SetupMain(HINSTANCE instance) {
  HWND dialog = CreateDialogA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDlgProc);
  // No message loop runs while the loader works: paint the box once so it says something.
  if (dialog) UpdateWindow(dialog);
  char modulePath[kLoaderPathSize];
  DWORD n = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  char loaderDir[kLoaderPathSize] = "";
  if (n > 0 && n < sizeof modulePath) CopyText(loaderDir, LoaderDirOf({modulePath, n}));
  RunLoader(loaderDir);
  if (dialog) DestroyWindow(dialog);
  return 0;
}
