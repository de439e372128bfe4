// The ways a file gets into the viewer (start-up name, Open dialog, recent
// files, a drop) and the open protocol of the main window.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/file_name_forms.h"
#include "common/text_copy.h"
#include "viewer/app/app_state.h"
#include "viewer/app/follow_mode.h"
#include "viewer/app/main_window.h"
#include "viewer/app/selection.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/file_code.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"
#include "win32/file_names_win32.h"

namespace {

bool HasWildcard(const char* s) { return std::strpbrk(s, "*?") != nullptr; }

// A name longer than the program's paths is refused whole: cut, it would
// name another file or none.
void ReportNameTooLong(HWND hwnd, std::string_view name) {
  constexpr size_t kShown = 60;
  char text[160];
  const int n = std::snprintf(text, sizeof text,
                              "The file name is too long (more than %d characters).", kPathChars);
  if (!name.empty())
    std::snprintf(text + n, sizeof text - n, "\n%.*s%s",
                  static_cast<int>(std::min(name.size(), kShown)), name.data(),
                  name.size() > kShown ? "..." : "");
  ReportMessage(hwnd, text, kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
}

enum class Found { kFile, kNone, kNameTooLong };

// Resolves name to the full path of an existing, readable file.
Found FindReadableFile(const char* name, char* fullPath, size_t size) {
  const DWORD n = std::strlen(name) < size
                      ? FullPathOf(name, fullPath, static_cast<DWORD>(size))
                      : static_cast<DWORD>(size);
  if (n >= size) return Found::kNameTooLong;
  const FileSystem& fs = Files();
  FileHandle f = n > 0 ? fs.Open(name) : kNoFile;
  if (f == kNoFile) return Found::kNone;
  fs.Close(f);
  return Found::kFile;
}
}  // namespace

void OnStartOpen(HWND hwnd, const char* name) {
  if (gApp.Start.NameCut) {
    // The Open dialog is offered instead, as when no name was given.
    ReportNameTooLong(hwnd, name);
    gApp.Start.NameCut = false;
    CopyText(gApp.Start.RequestedName, "*.*");
    name = gApp.Start.RequestedName;
  }
  if (SendMessageA(hwnd, VW_OPENNAME, 1, reinterpret_cast<LPARAM>(name)) == 0)
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

// A DDE client (mayOfferDialog false) is answered "not processed" and sees
// no box.
LRESULT OnOpenName(HWND hwnd, bool mayOfferDialog, const char* given) {
  const std::string client = NameFromClient(given);
  const char* name = client.c_str();
  char full[kPathChars + 1];
  const Found found = HasWildcard(name) ? Found::kNone : FindReadableFile(name, full, sizeof full);
  if (found == Found::kFile) {
    CopyText(gApp.DialogFile, full);
    SendMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
    return 1;
  }
  if (!mayOfferDialog) return 0;
  if (found == Found::kNameTooLong) ReportNameTooLong(hwnd, name);
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
  ofn.nMaxFile = sizeof gApp.DialogFile;
  ofn.lpstrInitialDir = initialDir[0] ? initialDir : nullptr;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!gGetOpenFileName(&ofn)) {
    // The file's name was longer than the buffer; the buffer holds its size.
    if (gCommDlgExtendedError() == FNERR_BUFFERTOOSMALL) ReportNameTooLong(hwnd, "");
    return 0;
  }
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
  return 1;
}

void OnRecentFile(HWND hwnd, int slot) {
  if (slot < 0 || slot >= kRecentFileSlots) return;
  CopyText(gApp.DialogFile, gRecent.Files[slot]);
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
}

void OnDropFiles(HWND hwnd, HDROP drop) {
  const std::string name = DroppedFileName(drop, 0, kPathChars);
  DragFinish(drop);
  if (name.size() > kPathChars) return ReportNameTooLong(hwnd, name);
  CopyText(gApp.DialogFile, name);
  PostMessageA(hwnd, VW_OPENFILE, 0, reinterpret_cast<LPARAM>(gApp.DialogFile));
}

// A file's byte-order mark or its first block chooses its Unicode code; a
// file that says nothing is not shown in UTF-16 that another file chose.
static void DetectCode(const char* path) {
  ViewOptions& vo = gViewOptions;
  const CharCode code = DetectFileCode(path);
  if (code != CODE_NONE)
    vo.CharCode = code;
  else if (vo.CharCode == CODE_UTF16LE || vo.CharCode == CODE_UTF16BE)
    vo.CharCode = CODE_ANSI;
  ApplyCharCode(vo);
}

void OnOpenFile(HWND hwnd, const char* path) {
  SendMessageA(hwnd, PG_STOP, 0, 0);
  CopyText(gFile.Path, path ? path : "");
  gView.HScroll = 0;
  SendMessageA(hwnd, VW_CLEARSEL, 0, 0);
  // A marked name too long for its slot is kept by its short form, not cut.
  char item[kRecentFileSlotSize];
  const bool fits = std::strlen(gFile.Path) < sizeof item;
  CopyText(item, fits ? std::string(gFile.Path) : AnsiNameOf(gFile.Path));
  PromoteRecent(&gRecent.Files[0][0], kRecentFileSlots, kRecentFileSlotSize, -1, item);
  gRecent.FileCount = CountRecentFiles();
  gFile.Flen = QueryFileSize(gFile.Path);
  gFile.Fcur = 0;
  gTags.Count = 0;
  if (gViewOptions.DetectCode) DetectCode(gFile.Path);
  FollowNewFile();
  PostMessageA(hwnd, VW_REFORMAT, 0, 0);
  SetFileCaption(hwnd);
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
  SetFileCaption(hwnd);
  gTags.Count = 0;
  gFile.Flen = 0;
  FollowNewFile();
  InvalidateRect(hwnd, nullptr, TRUE);
}

void SetFileCaption(HWND hwnd, const char* suffix) {
  std::string caption = kAppTitle;
  if (gFile.Path[0]) caption += " - " + ShownNamePart(gFile.Path);
  SetCaptionText(hwnd, (caption + suffix).c_str());
}
