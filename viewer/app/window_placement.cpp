#include "viewer/app/window_placement.h"

#include <algorithm>

namespace {
// How much of the caption must lie on the work area to be grabbed.
constexpr int64_t kGrip = 40;
}  // namespace

WindowPos VisibleWindowPos(const WindowPos& stored, const ScreenRect& work, int32_t minWidth,
                           int32_t minHeight) {
  WindowPos w = stored;
  int64_t workWidth = std::max<int64_t>(int64_t{work.Right} - work.Left, 1);
  int64_t workHeight = std::max<int64_t>(int64_t{work.Bottom} - work.Top, 1);
  if (w.Width == kUseDefault || w.Width < minWidth || w.Height < minHeight) {
    w.Width = kUseDefault;
    w.Height = 0;
  } else {
    w.Width = static_cast<int32_t>(std::min<int64_t>(w.Width, workWidth));
    w.Height = static_cast<int32_t>(std::min<int64_t>(w.Height, workHeight));
  }
  if (w.Left == kUseDefault) return w;  // the system places it
  // The default size is not known here; the smallest one stands in for it.
  int64_t width = w.Width == kUseDefault ? minWidth : w.Width;
  int64_t height = w.Width == kUseDefault ? minHeight : w.Height;
  int64_t left = w.Left, top = w.Top;
  bool reachable = top >= work.Top && top <= work.Bottom - kGrip &&
                   left + width >= work.Left + kGrip && left <= work.Right - kGrip;
  if (reachable) return w;
  left = std::clamp<int64_t>(left, work.Left, std::max<int64_t>(work.Left, work.Right - width));
  top = std::clamp<int64_t>(top, work.Top, std::max<int64_t>(work.Top, work.Bottom - height));
  w.Left = static_cast<int32_t>(left);
  w.Top = static_cast<int32_t>(top);
  return w;
}
