#include "viewer/navigation/search_commands.h"

#include <cstring>

#include "viewer/buffer/tag_list.h"
#include "viewer/navigation/find_dialogs.h"
#include "viewer/navigation/find_in_file.h"
#include "viewer/navigation/search_conversions.h"
#include "viewer/navigation/search_state.h"
#include "viewer/navigation/search_text_code.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/services/wait_cursor.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/open_file.h"
#include "viewer/view/selection.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
// Find Next right after start-up repeats the newest stored search text.
bool TakeNewestStoredText() {
  gRecent.TextCount = ReadRecentList("Text", gRecent.Texts);
  BindSearchConversions();
  const int n = StoredTextToPattern(gRecent.Texts[0], gViewOptions.CharCode, gSearch.SearchPattern);
  gSearch.SearchFlags = static_cast<uint16_t>((gSearch.SearchFlags & ~SF_UTF_CODES) |
                                              SearchCodeFlag(gViewOptions.CharCode));
  gSearch.SearchLength = n;
  return n > 0;
}

// A search buffer that cannot be had is reported; the result (negative, so
// not found) passes on.
FileOffset Reported(FileOffset result) {
  if (result == kFindNoMemory)
    ReportMessage(nullptr, "Cannot allocate memory for search buffer", "Find Error",
                  MB_OK | MB_ICONHAND);
  return result;
}

// Whether offset lies on the lines now on screen.
bool OnScreen(FileOffset offset) {
  ViewLock view;
  if (!view.ok() || gLines.Acur >= gLines.Alast) return false;
  int lines = gView.LinesPerScreen > 0 ? gView.LinesPerScreen : 1;
  int last = gLines.Acur + lines < gLines.Alast ? gLines.Acur + lines : gLines.Alast;
  return offset >= gLines.Entries[gLines.Acur].Offset && offset < gLines.Entries[last].Offset;
}
}  // namespace

void OnFindDialog(HWND hwnd, int command) {
  FindDialogRecords records{gSearch, gRecent, gViewOptions.CurrentFlags, gViewOptions.CharCode,
                            gSetupSettings.MruSearch != 0};
  INT_PTR accepted =
      command == IDM_FIND_TEXT ? RunFindTextDialog(hwnd, records) : RunFindHexDialog(hwnd, records);
  if (accepted != 1) return;
  if (gSearch.SearchFlags & SF_FROM_TOP) gSearch.NextSearchStart = 0;
  PostMessageA(hwnd, WM_COMMAND, (gSearch.SearchFlags & SF_MARK_ALL) ? IDM_MARK_ALL : IDM_FIND_NEXT,
               0);
}

void FindNext(HWND hwnd) {
  if (gSearch.SearchFlags == 0 || (gSearch.SearchLength == 0 && !TakeNewestStoredText())) {
    gMessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  FileOffset found;
  {
    WaitCursor wait(hwnd);
    FileOffset start = FindNextStartOffset(gSearch, gFile.Flen, gView.TopOffset, gSel.SelEnd);
    found = Reported(FindSearchFrom(gFile, gSearch, start));
  }
  if (found < 0) {
    gSel.SelStart = found;
    gSel.SelEnd = -1;
    InvalidateRect(hwnd, nullptr, FALSE);
    gMessageBeep(MB_ICONEXCLAMATION);
    gSearch.NextSearchStart = 0;
    return;
  }
  gSel.SelStart = found;
  gSel.SelEnd = found + gSearch.SearchLength;
  if (OnScreen(found))
    InvalidateRect(hwnd, nullptr, FALSE);
  else
    SendMessageA(hwnd, VW_SHOWOFFSET, 0, TargetParam(found));
  gSearch.NextSearchStart = -1;
}

void MarkAll(HWND hwnd) {
  if (gSearch.SearchFlags == 0 || gSearch.SearchLength == 0) {
    gMessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  FileOffset first = -1;
  {
    WaitCursor wait(hwnd);
    ViewLock view;
    if (!view.ok()) return;  // the tag list cannot be reached
    // One pass over the file; the matches come in ascending order.
    Reported(FindAllSearchFrom(gFile, gSearch, 0, [&first](FileOffset x) {
      if (first < 0) first = x;
      if (TagAddAscending(gTags, x, TAG_FOUND) >= 0) return true;
      gMessageBeep(MB_ICONHAND);  // the list is full: the tags so far stay
      return false;
    }));
    if (first >= 0) TagApplyToLines(gLines, gTags);
  }
  gSearch.NextSearchStart = -1;
  if (first < 0) {
    PostMessageA(hwnd, WM_VSCROLL, SB_BOTTOM, 0);
    gMessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  SendMessageA(hwnd, VW_SHOWOFFSET, 0, TargetParam(first));
}
