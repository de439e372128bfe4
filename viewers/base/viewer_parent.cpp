#include "viewers/base/viewer_parent.h"

#include "viewers/contract/viewer_messages.h"

namespace {
LRESULT AskParent(HWND viewer, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  HWND parent = GetParent(viewer);
  return parent ? SendMessageA(parent, msg, wParam, lParam) : 0;
}
}  // namespace

const LOGFONTA* AskSharedFont(HWND viewer) {
  return reinterpret_cast<const LOGFONTA*>(AskParent(viewer, ZV_GETFONT));
}

COLORREF AskTextColor(HWND viewer) {
  return static_cast<COLORREF>(AskParent(viewer, ZV_TEXTCOLOR));
}

COLORREF AskBackColor(HWND viewer) {
  return static_cast<COLORREF>(AskParent(viewer, ZV_BACKCOLOR));
}

void ReportSelection(HWND viewer, bool hasSelection) {
  AskParent(viewer, ZV_SELECTION, hasSelection ? 1 : 0);
}

void AskParentToSaveAs(HWND viewer, char* name) {
  AskParent(viewer, ZV_ASKSAVEAS, 0, reinterpret_cast<LPARAM>(name));
}

void ReportStatusChanged(HWND viewer) { AskParent(viewer, ZV_STATUSCHANGED); }
