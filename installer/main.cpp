#include <windows.h>

#include "installer/installer.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return InstallerMain(instance, commandLine);
}
