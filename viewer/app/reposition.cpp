// The main window's side of a move: the decision and the refill are the
// line buffer's; here the blocks are locked, the wait cursor shown and the
// window brought up to date, with a blit for a one-line scroll.
#include "viewer/app/reposition.h"

#include <algorithm>

#include "viewer/app/layout.h"
#include "viewer/buffer/view_move.h"
#include "viewer/services/wait_cursor.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/open_file.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
MoveKind KindOf(UINT msg) {
  return msg == VW_SHOWOFFSET ? MOVE_SHOWOFFSET
                              : (msg == VW_GOTOBYTE ? MOVE_GOTOBYTE : MOVE_REFORMAT);
}

// The client area below the frozen title lines.
RECT TextArea(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  r.top = std::min<LONG>(r.bottom, TitleRowCount() * gView.LineHeight);
  return r;
}

uint16_t Refill(HWND hwnd, const MovePlan& plan) {
  RefillSettings s;
  s.Format = gViewOptions.Format;
  s.Flags = gViewOptions.CurrentFlags | (gSetupSettings.ShowPageGap ? FMT_PAGE_GAP : 0);
  // -1 asks the layout for a new value; until it has one, the start value.
  s.LineLength = gView.FormatLength > 0 ? gView.FormatLength : 255;
  s.TabLength = gViewOptions.TabLength;
  s.LinesPerScreen = gView.LinesPerScreen;
  s.PadPageLength = gSetupSettings.PadPageLength;
  uint16_t status;
  {
    WaitCursor wait(hwnd);
    status = RefillView(plan, s, gFile, gLines, gText, &gTags);
  }
  if (!(status & ST_FAILED) && s.PadPageLength > 0) {
    UpdateLinesPerScreen();
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return status;
}

void UpdateView(HWND hwnd, FileOffset remembered) {
  RECT area = TextArea(hwnd);
  RECT pending;
  int direction = ScrollAfterMove(gLines, remembered);
  if (remembered < 0 || GetUpdateRect(hwnd, &pending, FALSE) || direction == 0) {
    InvalidateRect(hwnd, &area, FALSE);
    return;
  }
  ScrollWindowEx(hwnd, 0, -direction * gView.LineHeight, &area, &area, nullptr, nullptr,
                 SW_INVALIDATE);
  UpdateWindow(hwnd);
}
}  // namespace

void OnReposition(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  FileOffset target;
  if (TakeTarget(lParam, &target) && gFile.Path[0]) {
    ViewLock lock;
    if (lock.ok()) {
      MovePlan plan = PlanMove(KindOf(msg), static_cast<int32_t>(static_cast<INT_PTR>(wParam)),
                               target, gFile, gLines, gView.LinesPerScreen);
      if (plan.Refill) Refill(hwnd, plan);
      UpdateView(hwnd, plan.Remembered);
    }
  }
  gView.PendingDelta = 0;
}
