// Prints the file that a running TARVO.EXE shows, without a dialog, and
// closes the viewer when the job has ended (the printer's file is complete
// once the program is gone). For scripts/run.sh --print.
//   print_open_file
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "viewer/resources/resource_ids.h"

int main() {
  HWND main = nullptr;
  for (int i = 0; i < 300 && !main; ++i, Sleep(100)) {
    HWND found = FindWindowA("TARVO", nullptr);
    char caption[300];
    if (found && GetWindowTextA(found, caption, sizeof caption) > 8 &&
        std::strncmp(caption, "Tarvo - ", 8) == 0)
      main = found;  // a file is open
  }
  if (!main) {
    std::fprintf(stderr, "no viewer with an open file\n");
    return 1;
  }
  DWORD process = 0;
  GetWindowThreadProcessId(main, &process);
  HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  DWORD_PTR answer;
  // Answered when the job has ended (and any message about it has been
  // closed): the command prints before it returns.
  const bool printed = SendMessageTimeoutA(main, WM_COMMAND, IDM_PRINT_FILE, 0, SMTO_NORMAL,
                                           600000, &answer) != 0;
  PostMessageA(main, WM_CLOSE, 0, 0);
  if (handle) WaitForSingleObject(handle, INFINITE);
  return printed ? 0 : 1;
}
