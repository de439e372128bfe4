#include "viewer/app/auto_scroll.h"

#include "viewer/app/display_rules.h"
#include "viewer/app/layout.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
struct AutoScroll {
  bool Dragging = false;
  UINT_PTR Timer = 0;
  int Lines = 0;
  WPARAM MouseWParam = 0;
  LPARAM MouseLParam = 0;
};
AutoScroll gAuto;

void StopTimer(HWND hwnd) {
  if (gAuto.Timer) KillTimer(hwnd, gAuto.Timer);
  gAuto.Timer = 0;
}

// Whether the view cannot move further in the timer's direction.
bool AtEnd(UINT_PTR id) {
  if (id == kAutoScrollDownTimer) return gLines.Alast < gLines.Acur + gView.LinesPerScreen;
  if (gLines.Acur != gLines.Afirst) return false;
  ViewLock lock;
  return lock.ok() && gLines.Entries[gLines.Afirst].Offset == 0;
}
}  // namespace

void BeginSelectionDrag() { gAuto.Dragging = true; }
bool SelectionDragging() { return gAuto.Dragging; }
UINT_PTR AutoScrollTimer() { return gAuto.Timer; }
int AutoScrollLines() { return gAuto.Lines; }

void EndSelectionDrag(HWND hwnd) {
  StopTimer(hwnd);
  gAuto.Dragging = false;
}

void AutoScrollMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (!gAuto.Dragging) return;
  UpdateLinesPerScreen();
  gAuto.MouseWParam = wParam;
  gAuto.MouseLParam = lParam;
  SendMessageA(hwnd, VW_EXTENDSEL, wParam, lParam);
  int y = static_cast<short>(HIWORD(lParam));
  const SetupSettings& s = gSetupSettings;
  AutoScrollPlan plan =
      PlanAutoScroll(y, TitleRowCount() * gView.LineHeight, gView.LineHeight, gView.ClientHeight,
                     {s.SlowMouseLines, s.SlowMouseDelay, s.FastMouseLines, s.FastMouseDelay});
  StopTimer(hwnd);
  if (plan.Timer == 0) return;
  gAuto.Lines = plan.Lines;
  if (SetTimer(hwnd, plan.Timer, static_cast<UINT>(plan.Delay), nullptr)) gAuto.Timer = plan.Timer;
}

void AutoScrollTick(HWND hwnd, UINT_PTR id) {
  if (!gAuto.Dragging || AtEnd(id)) {
    KillTimer(hwnd, id);
    if (gAuto.Timer == id) gAuto.Timer = 0;
    return;
  }
  int delta = id == kAutoScrollUpTimer ? -gAuto.Lines : gAuto.Lines;
  SendMessageA(hwnd, VW_SHOWOFFSET, static_cast<WPARAM>(delta), -1);
  SendMessageA(hwnd, VW_EXTENDSEL, gAuto.MouseWParam, gAuto.MouseLParam);
}
