#include "viewer/navigation/goto_command.h"

#include <algorithm>

#include "viewer/navigation/goto_dialog.h"
#include "viewer/navigation/page_index.h"
#include "viewer/navigation/page_index_requests.h"
#include "viewer/services/ui_seam.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/open_file.h"

namespace {
void GoToPage(HWND hwnd, int32_t page, int32_t knownCount) {
  FileOffset offset = LookUpPage(page, knownCount);
  if (offset < 0) {
    ReportMessage(hwnd, "Invalid page number.", "Go To Page", MB_OK | MB_ICONWARNING);
    return;
  }
  PostMessageA(hwnd, VW_SHOWOFFSET, 0, TargetParam(offset));
}
}  // namespace

void GoTo(HWND hwnd) {
  const GoToLimits limits{gFile.Flen, PageIndexAvailablePages(gPageIndex)};
  GoToRequest request;
  if (RunGoToDialog(hwnd, limits, request) != 1) return;
  switch (request.Kind) {
    case GOTO_TOP: PostMessageA(hwnd, WM_VSCROLL, SB_TOP, 0); return;
    case GOTO_BOTTOM: PostMessageA(hwnd, WM_VSCROLL, SB_BOTTOM, 0); return;
    case GOTO_BYTE:
      SendMessageA(hwnd, VW_GOTOBYTE, 0, TargetParam(std::min(request.Value, gFile.Flen)));
      return;
    case GOTO_PAGE: GoToPage(hwnd, static_cast<int32_t>(request.Value), limits.PageCount); return;
  }
}
