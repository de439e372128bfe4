// The file manager's batch protocol: a begin, one message per file, an end.
// Files collect in PendingFiles and are shown at the end, unless the sender
// asked for a window per file and there is room for one.
#include "common/text_copy.h"
#include "shell/app/file_entry.h"
#include "shell/app/main_window.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/app/viewer_windows.h"

namespace {

constexpr WPARAM kFerritReload = 600;
constexpr WPARAM kFerritBegin = 650;
constexpr WPARAM kFerritEnd = 655;
constexpr WPARAM kFerritFile = 700;

void TakeFile(ATOM atom) {
  char path[kListPathChars] = "";
  GlobalGetAtomNameA(atom, path, sizeof path);
  GlobalDeleteAtom(atom);
  if (!ShellState.FerritNewWindows) {
    AddPendingFile(path);
    return;
  }
  CopyText(ShellState.PendingFiles[0], kListPathChars, path);
  HWND viewer = CreateViewerWindow(1);
  if (viewer) ShellState.CurrentViewer = viewer;
}

}  // namespace

void OnFerrit(WPARAM wParam, LPARAM lParam) {
  switch (wParam) {
    case kFerritReload: ReloadSettings(); break;
    case kFerritBegin:
      for (ListPath& slot : ShellState.PendingFiles) slot[0] = '\0';
      ShellState.FerritBatch = true;
      ShellState.FerritNewWindows = lParam != 0 && ShellState.ViewerCount < kMaxViewerWindows;
      break;
    case kFerritFile:
      if (ShellState.FerritBatch) TakeFile(static_cast<ATOM>(lParam));
      break;
    case kFerritEnd:
      if (!ShellState.FerritBatch) break;
      ShellState.FerritBatch = false;
      OpenPendingFiles();
      break;
  }
}
