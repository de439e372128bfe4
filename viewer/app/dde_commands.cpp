// Ignore DDE (107).
#include "viewer/app/app_state.h"
#include "viewer/app/commands.h"
#include "viewer/remote/dde_server_win32.h"
#include "viewer/services/instance.h"

void ToggleIgnoreDde(HWND hwnd) {
  if (gApp.DdeState == kDdeRunning) {
    StopDdeServer();
    gApp.DdeState = kDdeOff;
  } else if (StartDdeServer(ProgramInstance(), hwnd)) {
    gApp.DdeState = kDdeRunning;
  }
}
