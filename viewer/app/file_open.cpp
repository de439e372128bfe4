// The ways a file gets into the viewer (start-up name, Open dialog, recent
// files, a drop) and the open protocol of the main window.
#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "viewer/app/app_state.h"
#include "viewer/app/main_window.h"
#include "viewer/app/selection.h"
#include "viewer/buffer/file_access.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
void SetCaption(HWND hwnd) {
  char caption[sizeof kAppTitle + 3 + kFilePathChars];
  if (gFile.Path[0])
    std::snprintf(caption, sizeof caption, "%s - %.*s", kAppTitle,
                  static_cast<int>(FileNamePart(gFile.Path).size()),
                  FileNamePart(gFile.Path).data());
  else
    CopyText(caption, kAppTitle);
  SetWindowTextA(hwnd, caption);
}

bool HasWildcard(const char* s) { return std::strpbrk(s, "*?") != nullptr; }

// Resolves name to the full path of an existing, readable file.
bool FindReadableFile(const char* name, char* fullPath, size_t size) {
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(name);
  if (f == kNoFile) return false;
  fs.Close(f);
  char* filePart = nullptr;
  DWORD n = GetFullPathNameA(name, static_cast<DWORD>(size), fullPath, &filePart);
  return n > 0 && n < size;
}
}  // namespace

void OnStartOpen(HWND hwnd, const char* name) {
  if (SendMessageA(hwnd, VW_OPENNAME, 1, reinterpret_cast<LPARAM>(name)) == 0)
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

LRESULT OnOpenName(HWND hwnd, bool mayOfferDialog, const char* name) {
  char full[kPathChars + 1];
  if (!HasWildcard(name) && FindReadableFile(name, full, sizeof full)) {
    CopyText(gApp.DialogFile, full);
    SendMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
    return 1;
  }
  if (!mayOfferDialog) return 0;
  return RunOpenDialog(hwnd);
}

LRESULT RunOpenDialog(HWND hwnd) {
  char* requested = gApp.Start.RequestedName;
  std::string_view namePart = FileNamePart(requested);
  char initialDir[kPathChars + 1] = "";
  if (namePart.size() < std::strlen(requested)) {
    CopyText(initialDir, std::string_view(requested, std::strlen(requested) - namePart.size()));
    std::memmove(requested, namePart.data(), namePart.size());
    requested[namePart.size()] = '\0';
  }
  char filter[2 * (kPathChars + 1) + 64];
  std::snprintf(filter, sizeof filter, "Any File (*.*)`*.*`Default (%s)`%s`", requested, requested);
  for (char* p = filter; *p; ++p)
    if (*p == '`') *p = '\0';

  CopyText(gApp.DialogFile, requested);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = HasWildcard(requested) ? 2 : 1;
  ofn.lpstrFile = gApp.DialogFile;
  ofn.nMaxFile = kPathChars;
  ofn.lpstrInitialDir = initialDir[0] ? initialDir : nullptr;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!gGetOpenFileName(&ofn)) return 0;
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
  return 1;
}

void OnRecentFile(HWND hwnd, int slot) {
  if (slot < 0 || slot >= kRecentFileSlots) return;
  CopyText(gApp.DialogFile, gRecent.Files[slot]);
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
}

void OnDropFiles(HWND hwnd, HDROP drop) {
  DragQueryFileA(drop, 0, gApp.DialogFile, kPathChars);
  DragFinish(drop);
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
}

void OnOpenFile(HWND hwnd, const char* path) {
  SendMessageA(hwnd, PG_STOP, 0, 0);
  CopyText(gFile.Path, path ? path : "");
  gView.HScroll = 0;
  SendMessageA(hwnd, VW_CLEARSEL, 0, 0);
  char item[kRecentFileSlotSize];
  CopyText(item, gFile.Path);
  PromoteRecent(&gRecent.Files[0][0], kRecentFileSlots, kRecentFileSlotSize, -1, item);
  gRecent.FileCount = CountRecentFiles();
  gFile.Flen = QueryFileSize(gFile.Path);
  gFile.Fcur = 0;
  gTags.Count = 0;
  PostMessageA(hwnd, VW_REFORMAT, 0, 0);
  SetCaption(hwnd);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  InvalidateRect(hwnd, nullptr, FALSE);
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetFocus(hwnd);
  PostMessageA(hwnd, PG_START, 0, 0);
}

void CloseFile(HWND hwnd) {
  if (!gFile.Path[0]) return;
  gView.HScroll = 0;
  SendMessageA(hwnd, PG_STOP, 0, 0);
  SendMessageA(hwnd, VW_CLEARSEL, 0, 0);
  gFile.Path[0] = '\0';
  SetCaption(hwnd);
  gTags.Count = 0;
  gFile.Flen = 0;
  InvalidateRect(hwnd, nullptr, TRUE);
}
