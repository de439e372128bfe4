#include <windows.h>

#include "viewer/app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  return TarvoMain(instance, previous, commandLine, show);
}
