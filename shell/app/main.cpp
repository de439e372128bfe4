// ZR32.EXE: the viewer shell.
#include <windows.h>

#include "shell/app/shell_start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  return ShellMain(instance, commandLine ? commandLine : "", showCommand);
}
