#include "viewer/app/scrolling.h"

#include "viewer/app/app_state.h"
#include "viewer/app/display_rules.h"
#include "viewer/buffer/file_access.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/view_state.h"

namespace {
// The released thumb's position. The message carries only 16 bits, too few
// for files beyond 64 KB: larger ranges take the 32-bit tracking position.
int32_t ThumbPosition(HWND hwnd, int bar, int thumb16, int32_t* rangeMax) {
  int low = 0, high = 0;
  GetScrollRange(hwnd, bar, &low, &high);
  *rangeMax = high;
  if (high <= 0xFFFF) return thumb16;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  return GetScrollInfo(hwnd, bar, &si) ? si.nTrackPos : thumb16;
}
}  // namespace

bool OnVScroll(HWND hwnd, int code, int thumb) {
  ViewState& v = gView;
  int32_t rangeMax = 0;
  FileOffset target = -1;
  switch (code) {
    case SB_LINEUP: v.PendingDelta = -1; break;
    case SB_LINEDOWN: v.PendingDelta = 1; break;
    case SB_PAGEUP: v.PendingDelta = -v.LinesPerScreen; break;
    case SB_PAGEDOWN: v.PendingDelta = v.LinesPerScreen; break;
    case SB_THUMBPOSITION: {
      int32_t position = ThumbPosition(hwnd, SB_VERT, thumb, &rangeMax);
      target = ThumbTarget(gFile.Flen, position, rangeMax);
      break;
    }
    case SB_TOP: target = 0; break;
    case SB_BOTTOM:
      // The end as it is now: a log written while it is viewed has grown
      // since the last read.
      if (FileOffset now = QueryFileSize(gFile.Path); now > 0) gFile.Flen = now;
      target = gFile.Flen;
      break;
    default: return false;
  }
  PostMessageA(hwnd, VW_SHOWOFFSET, static_cast<WPARAM>(v.PendingDelta), TargetParam(target));
  return true;
}

bool OnHScroll(HWND hwnd, int code, int thumb) {
  ViewState& v = gView;
  int32_t rangeMax = 0;
  switch (code) {
    case SB_LINELEFT: v.HScroll = ClampHScroll(v.HScroll - v.HLineStep, v.FormatLength); break;
    case SB_LINERIGHT: v.HScroll = ClampHScroll(v.HScroll + v.HLineStep, v.FormatLength); break;
    case SB_PAGELEFT: v.HScroll = ClampHScroll(v.HScroll - v.HPageStep, v.FormatLength); break;
    case SB_PAGERIGHT: v.HScroll = ClampHScroll(v.HScroll + v.HPageStep, v.FormatLength); break;
    case SB_THUMBPOSITION: v.HScroll = ThumbPosition(hwnd, SB_HORZ, thumb, &rangeMax); break;
    case SB_LEFT: v.HScroll = 0; break;
    case SB_RIGHT: v.HScroll = HScrollAtRightEnd(v.FormatLength, v.ClientWidth, v.CharWidth); break;
    default: return false;
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  return true;
}
