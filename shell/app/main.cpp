// ZR32.EXE: the viewer shell.
#include <windows.h>

#include <string>

#include "shell/app/shell_start.h"
#include "win32/file_names_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  const std::string line = ProgramCommandLine(commandLine ? commandLine : "");
  return ShellMain(instance, line.c_str(), showCommand);
}
