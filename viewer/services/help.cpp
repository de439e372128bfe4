#include "viewer/services/help.h"

namespace {
constexpr char kHelpFile[] = "TARVO.HLP";

// The help engine starts its viewer even for a file that is not there and
// then complains in a window of its own; a missing file only beeps instead.
bool HelpFileExists() {
  OFSTRUCT of = {};
  of.cBytes = sizeof of;
  return OpenFile(kHelpFile, &of, OF_EXIST) != HFILE_ERROR;
}
}  // namespace

void ShowHelp(HWND hwnd, UINT command, ULONG_PTR data) {
  if (!HelpFileExists() || !WinHelpA(hwnd, kHelpFile, command, data))
    MessageBeep(MB_ICONEXCLAMATION);
}
