// A stand-in for the installer in the loader's tests: it writes "started.txt"
// beside itself with its start-up flags and command line, and ends.
#include <windows.h>

#include <cstdio>

#include "setup/loader_plan.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  char path[kLoaderPathSize];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return 1;
  size_t dir = LoaderDirOf({path, n}).size();
  char marker[kLoaderPathSize];
  if (!JoinPath(path + dir, sizeof path - dir, "", "started.tmp")) return 1;
  if (!JoinPath(marker, sizeof marker, {path, dir}, "started.txt")) return 1;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char text[512];
  int length =
      std::snprintf(text, sizeof text, "flags=%lu\ncommand=%s\n", startup.dwFlags, commandLine);
  if (length < 0 || length >= static_cast<int>(sizeof text)) return 1;
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, text, length, &written, nullptr);
  CloseHandle(file);
  // Renamed only when complete, so a test that sees the marker can read all of it.
  return MoveFileA(path, marker) ? 0 : 1;
}
