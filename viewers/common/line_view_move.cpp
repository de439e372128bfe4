// Moving the view: by lines, to an offset, by keys, scroll bars and the
// wheel. The decision and the refill are the line buffer's; the vertical
// bar maps the 64-bit offset of the top line onto a 32-bit range.
#include <algorithm>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/view_move.h"
#include "viewers/common/line_view_parts.h"

namespace {
constexpr int kScrollRange = 10000;
constexpr int32_t kUnwrappedLineLength = 1024;
constexpr int32_t kHexLineLength = 64;  // four groups: 16 bytes a line
constexpr int kMinWrapColumns = 20;
constexpr int kWheelLines = 3;

void UpdateScrollBars(LineView& v) {
  FileOffset top = TopOffset(v);
  int pos = v.File.Flen > 0 ? static_cast<int>(top * kScrollRange / v.File.Flen) : 0;
  SetScrollRange(v.Window, SB_VERT, 0, kScrollRange, FALSE);
  SetScrollPos(v.Window, SB_VERT, pos, TRUE);
  int widest = v.Wrap ? 0 : std::max(0, LineLengthOf(v) - v.Columns);
  v.HScroll = std::min(v.HScroll, widest);
  SetScrollRange(v.Window, SB_HORZ, 0, widest, FALSE);
  SetScrollPos(v.Window, SB_HORZ, v.HScroll, TRUE);
}

void Refill(LineView& v, const MovePlan& plan) {
  if (plan.Refill) {
    RefillSettings s;
    s.Format = v.Kind.Format;
    s.Flags = FormatOf(v, 0).Flags;
    s.LineLength = LineLengthOf(v);
    s.LinesPerScreen = v.LinesPerScreen;
    s.ProgramName = "Skimmet";
    RefillView(plan, s, v.File, v.Table, v.Arena, nullptr);
  }
  UpdateScrollBars(v);
  InvalidateRect(v.Window, nullptr, FALSE);
}

// Hex lines start at multiples of the bytes a line holds.
FileOffset LineStartOf(const LineView& v, FileOffset offset) {
  HexLayout layout;
  if (v.Kind.Format != FORMAT_HEX || !HexLayoutFor(LineLengthOf(v), &layout, v.File.Flen))
    return offset;
  return offset - offset % layout.BytesPerLine;
}

void ShowEnd(LineView& v) {
  // The end as it is now: the file may have grown since the last read.
  if (FileOffset now = QueryFileSize(v.File.Path); now > 0) v.File.Flen = now;
  ShowOffset(v, v.File.Flen);
  MoveBy(v, 1 - v.LinesPerScreen);
}
}  // namespace

int32_t LineLengthOf(const LineView& v) {
  if (v.Kind.Format == FORMAT_HEX) return kHexLineLength;
  return v.Wrap ? std::max(v.Columns, kMinWrapColumns) : kUnwrappedLineLength;
}

LineFormat FormatOf(const LineView& v, int32_t lineLength) {
  return LineFormat{FormatterFor(v.Kind.Format), v.Kind.Flags | (v.Wrap ? FMT_WRAP : 0u),
                    lineLength, 8};
}

FileOffset TopOffset(const LineView& v) {
  const LineTable& t = v.Table;
  if (t.Acur < t.Afirst || t.Acur > t.Alast || t.Alast >= t.Acnt) return 0;
  return t.Entries[t.Acur].Offset;
}

void ShowOffset(LineView& v, FileOffset target) {
  if (!v.Open) return;
  target = LineStartOf(v, std::clamp<FileOffset>(target, 0, v.File.Flen));
  Refill(v, PlanMove(MOVE_GOTOBYTE, 0, target, v.File, v.Table, v.LinesPerScreen));
}

void MoveBy(LineView& v, int lines) {
  if (!v.Open || lines == 0) return;
  Refill(v, PlanMove(MOVE_SHOWOFFSET, lines, -1, v.File, v.Table, v.LinesPerScreen));
}

void Reformat(LineView& v) {
  UpdateLayout(v);
  ShowOffset(v, TopOffset(v));
}

// Home and End go to the file's start and end with or without Ctrl: the
// view scrolls sideways only with the arrows and the bar.
void OnKey(LineView& v, WPARAM key) {
  int page = std::max(1, v.LinesPerScreen - 1);
  switch (key) {
    case VK_UP: MoveBy(v, -1); break;
    case VK_DOWN: MoveBy(v, 1); break;
    case VK_PRIOR: MoveBy(v, -page); break;
    case VK_NEXT: MoveBy(v, page); break;
    case VK_HOME: ShowOffset(v, 0); break;
    case VK_END: ShowEnd(v); break;
    case VK_LEFT: OnHScroll(v, SB_LINELEFT, 0); break;
    case VK_RIGHT: OnHScroll(v, SB_LINERIGHT, 0); break;
  }
}

void OnVScroll(LineView& v, int code) {
  int page = std::max(1, v.LinesPerScreen - 1);
  switch (code) {
    case SB_LINEUP: MoveBy(v, -1); break;
    case SB_LINEDOWN: MoveBy(v, 1); break;
    case SB_PAGEUP: MoveBy(v, -page); break;
    case SB_PAGEDOWN: MoveBy(v, page); break;
    case SB_TOP: ShowOffset(v, 0); break;
    case SB_BOTTOM: ShowEnd(v); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The thumb's 32-bit position is read back from the bar, not from the
      // message's 16-bit word.
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(v.Window, SB_VERT, &si))
        ShowOffset(v, v.File.Flen * si.nTrackPos / kScrollRange);
      break;
    }
  }
}

void OnHScroll(LineView& v, int code, int thumb) {
  int was = v.HScroll;
  switch (code) {
    case SB_LINELEFT: v.HScroll -= 1; break;
    case SB_LINERIGHT: v.HScroll += 1; break;
    case SB_PAGELEFT: v.HScroll -= v.Columns; break;
    case SB_PAGERIGHT: v.HScroll += v.Columns; break;
    case SB_LEFT: v.HScroll = 0; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: v.HScroll = thumb; break;
  }
  v.HScroll = std::max(0, v.HScroll);
  UpdateScrollBars(v);
  if (v.HScroll != was) InvalidateRect(v.Window, nullptr, FALSE);
}

void OnWheel(LineView& v, int delta) { MoveBy(v, -delta / WHEEL_DELTA * kWheelLines); }
