#include <windows.h>

#include <string>

#include "viewer/app/startup.h"
#include "win32/file_names_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  const std::string line = ProgramCommandLine(commandLine);
  return TarvoMain(instance, previous, line.c_str(), show);
}
