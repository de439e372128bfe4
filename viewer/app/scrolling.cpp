#include "viewer/app/scrolling.h"

#include "viewer/app/app_state.h"
#include "viewer/app/display_rules.h"
#include "viewer/app/messages.h"
#include "viewer/app/view_state.h"

namespace {
// The released thumb's position in the full 32-bit range (the message
// carries only 16 bits, too few for files beyond 64 KB).
int32_t ThumbPosition(HWND hwnd, int bar, int32_t* rangeMax) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_TRACKPOS | SIF_POS;
  GetScrollInfo(hwnd, bar, &si);
  *rangeMax = si.nMax;
  return si.nTrackPos;
}
}  // namespace

bool OnVScroll(HWND hwnd, int code) {
  ViewState& v = gView;
  int32_t rangeMax = 0;
  switch (code) {
    case SB_LINEUP: v.PendingDelta = -1; break;
    case SB_LINEDOWN: v.PendingDelta = 1; break;
    case SB_PAGEUP: v.PendingDelta = -v.LinesPerScreen; break;
    case SB_PAGEDOWN: v.PendingDelta = v.LinesPerScreen; break;
    case SB_THUMBPOSITION: {
      int32_t thumb = ThumbPosition(hwnd, SB_VERT, &rangeMax);
      v.PendingTarget = ThumbTarget(gFile.Flen, thumb, rangeMax);
      break;
    }
    case SB_TOP: v.PendingTarget = 0; break;
    case SB_BOTTOM: v.PendingTarget = gFile.Flen; break;
    default: return false;
  }
  PostMessageA(hwnd, VW_SHOWOFFSET, static_cast<WPARAM>(v.PendingDelta), v.PendingTarget);
  return true;
}

bool OnHScroll(HWND hwnd, int code) {
  ViewState& v = gView;
  int32_t rangeMax = 0;
  switch (code) {
    case SB_LINELEFT: v.HScroll = ClampHScroll(v.HScroll - v.HLineStep, v.FormatLength); break;
    case SB_LINERIGHT: v.HScroll = ClampHScroll(v.HScroll + v.HLineStep, v.FormatLength); break;
    case SB_PAGELEFT: v.HScroll = ClampHScroll(v.HScroll - v.HPageStep, v.FormatLength); break;
    case SB_PAGERIGHT: v.HScroll = ClampHScroll(v.HScroll + v.HPageStep, v.FormatLength); break;
    case SB_THUMBPOSITION: v.HScroll = ThumbPosition(hwnd, SB_HORZ, &rangeMax); break;
    case SB_LEFT: v.HScroll = 0; break;
    case SB_RIGHT: v.HScroll = HScrollAtRightEnd(v.FormatLength, v.ClientWidth, v.CharWidth); break;
    default: return false;
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  return true;
}
