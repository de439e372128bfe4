#include "shell/app/file_entry.h"

#include <algorithm>
#include <string>

#include "common/text_copy.h"

#include "shell/app/shell_messages.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/type_menu.h"
#include "shell/app/view_commands.h"
#include "shell/app/viewer_windows.h"
#include "shell/resources/shell_ids.h"
#include "win32/file_names_win32.h"

namespace {

bool IsDirectoryOrMissing(const char* path) {
  DWORD attributes = FileAttributesOf(path);
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Of the first 25 dropped names, those that are files, into names; their
// number. PendingFiles is left alone: a file manager's batch may be
// collecting there.
int DroppedFiles(HDROP drop, ListPath* names) {
  for (int i = 0; i < kMaxListFiles; ++i) names[i][0] = '\0';
  UINT dropped = std::min<UINT>(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), kMaxListFiles);
  for (UINT i = 0; i < dropped; ++i) {
    const std::string path = DroppedFileName(drop, i, kListPathChars - 1);
    if (path.empty() || path.size() >= kListPathChars || IsDirectoryOrMissing(path.c_str()))
      continue;
    StoreInFirstEmpty(names, path.c_str());
  }
  return LeadingPaths(names);
}

}  // namespace

void OpenFileInViewer(const char* path, bool activate) {
  DWORD attributes = FileAttributesOf(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  if (!IsOpenViewer(ShellState.CurrentViewer)) {
    CopyText(ShellState.PendingFiles[0], kListPathChars, path);
    ShellState.CurrentViewer = CreateViewerWindow(1);
    return;
  }
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = RecordOf(viewer);
  if (!LeaveEditing(record)) return;
  ListPath entry;
  CopyText(entry, kListPathChars, path);
  record->FileCount = PrependPaths(record->Files, record->FileCount, &entry, 1);
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
  if (count > 0 && !LeaveEditing(record)) return;
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
  ListPath names[kMaxListFiles];
  int count = DroppedFiles(drop, names);
  if (count > 0) ShellState.CurrentViewer = CreateViewerWindowWith(names, count);
}

void AddDropToViewer(HWND window, HDROP drop) {
  ViewerRecord* record = RecordOf(window);
  if (!record) return;
  ListPath names[kMaxListFiles];
  int count = DroppedFiles(drop, names);
  if (count == 0 || !LeaveEditing(record)) return;
  record->FileCount = PrependPaths(record->Files, record->FileCount, names, count);
  OpenListEntry(window, 0, true);
}
