#include "shell/app/file_entry.h"

#include <algorithm>

#include "common/text_copy.h"

#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/type_menu.h"
#include "shell/app/viewer_windows.h"
#include "shell/resources/shell_ids.h"

namespace {

bool IsDirectoryOrMissing(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ClearPending() {
  for (ListPath& slot : ShellState.PendingFiles) slot[0] = '\0';
}

// The first 25 dropped names that are files, into PendingFiles; their number.
int PendDroppedFiles(HDROP drop) {
  ClearPending();
  UINT dropped = std::min<UINT>(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), kMaxListFiles);
  for (UINT i = 0; i < dropped; ++i) {
    char path[kListPathChars];
    if (DragQueryFileA(drop, i, path, sizeof path) == 0) continue;
    AddPendingFile(path);
  }
  return LeadingPaths(ShellState.PendingFiles);
}

}  // namespace

void OpenFileInViewer(const char* path, bool activate) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  ClearPending();
  CopyText(ShellState.PendingFiles[0], kListPathChars, path);
  if (!IsOpenViewer(ShellState.CurrentViewer)) {
    ShellState.CurrentViewer = CreateViewerWindow(1);
    return;
  }
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = RecordOf(viewer);
  record->FileCount = PrependPaths(record->Files, record->FileCount, ShellState.PendingFiles, 1);
  OpenListEntry(viewer, 0, activate);
}

void AddPendingFile(const char* path) {
  if (IsDirectoryOrMissing(path)) return;
  StoreInFirstEmpty(ShellState.PendingFiles, path);
}

void OpenPendingFiles() {
  int count = LeadingPaths(ShellState.PendingFiles);
  if (!IsOpenViewer(ShellState.CurrentViewer)) {
    ShellState.CurrentViewer = CreateViewerWindow(count);
    return;
  }
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = RecordOf(viewer);
  record->FileCount =
      PrependPaths(record->Files, record->FileCount, ShellState.PendingFiles, count);
  if (count == 0 || !DetectViewerType(viewer, record, record->Files[0])) return;
  if (IsIconic(viewer)) ShowWindow(viewer, SW_RESTORE);
  SelectTypeMenu(viewer, record);
  ShowFile(viewer, 0, true);
}

void OpenDropInNewViewer(HDROP drop) {
  if (ShellState.ViewerCount >= kMaxViewerWindows) {
    ShellError(ShellState.MainWindow, IDS_TOO_MANY_VIEWERS, MB_ICONSTOP);
    return;
  }
  int count = PendDroppedFiles(drop);
  if (count > 0) ShellState.CurrentViewer = CreateViewerWindow(count);
}

void AddDropToViewer(HWND window, HDROP drop) {
  ViewerRecord* record = RecordOf(window);
  if (!record) return;
  int count = PendDroppedFiles(drop);
  if (count == 0) return;
  record->FileCount =
      PrependPaths(record->Files, record->FileCount, ShellState.PendingFiles, count);
  OpenListEntry(window, 0, true);
}
