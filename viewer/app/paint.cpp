#include "viewer/app/paint.h"

#include <algorithm>

#include "viewer/app/app_state.h"
#include "viewer/app/display_rules.h"
#include "viewer/app/screen_font.h"
#include "viewer/app/selection.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
constexpr char kTruncatedNote[] = " [Truncated...] ";
constexpr char kIncompleteNote[] = " [Incomplete Line...] ";
constexpr int32_t kNoteFlags = 0xF00;
int gRowsPainted = 0;

// What every row needs: the device, the window's extent and the columns.
struct Grid {
  HDC dc;
  HBRUSH background;  // colour 10
  int right, bottom;
  int lineHeight, charWidth;
  int frozen;  // F: frozen columns
  int edge;    // E: left edge of the scrolled part
};

void UseColors(HDC dc, int text, int back) {
  SetTextColor(dc, gColors[text]);
  SetBkColor(dc, gColors[back]);
}

void FillSolid(HDC dc, const RECT& r, int color) {
  HBRUSH brush = CreateSolidBrush(gColors[color]);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// A line's characters in the arena: bytes, or UTF-16 units (LF_WIDE).
struct Cells {
  const char* base;
  bool wide;
  const wchar_t* Units(int from) const { return reinterpret_cast<const wchar_t*>(base) + from; }
};
Cells LineCells(const char* arena, const LineEntry& e) {
  return {arena + e.TextOffset, (e.Flags & LF_WIDE) != 0};
}

void DrawCells(HDC dc, int x, const RECT& r, Cells text, int from, int count) {
  const UINT options = ETO_OPAQUE | ETO_CLIPPED;
  if (text.wide)
    ExtTextOutW(dc, x, r.top, options, &r, text.Units(from), static_cast<UINT>(count), nullptr);
  else
    ExtTextOutA(dc, x, r.top, options, &r, text.base + from, static_cast<UINT>(count), nullptr);
}

int TextWidth(HDC dc, Cells text, int from, int count) {
  SIZE extent{};
  if (text.wide)
    GetTextExtentPoint32W(dc, text.Units(from), count, &extent);
  else
    GetTextExtentPoint32A(dc, text.base + from, count, &extent);
  return extent.cx;
}

// S and n: where the scrolled part of a line starts and how long it is.
struct Span {
  int start, count;
};
Span ScrolledSpan(int length, int frozen) {
  length = std::max(length, 0);
  return {std::min(frozen + gView.HScroll, length), std::max(length - frozen - gView.HScroll, 0)};
}

void DrawFrozenPart(const Grid& g, int y, Cells text, int length) {
  if (g.frozen <= 0) return;
  UseColors(g.dc, CLR_TITLE, CLR_TITLE_BGND);
  RECT r{0, y, g.edge - 1, y + g.lineHeight};
  DrawCells(g.dc, 0, r, text, 0, std::min(std::max(length, 0), g.frozen));
}

void DrawDottedLine(const Grid& g, int y) {
  LOGBRUSH lb{BS_SOLID, gColors[CLR_TEXT], 0};
  HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
  HGDIOBJ old = SelectObject(g.dc, pen);
  MoveToEx(g.dc, 0, y, nullptr);
  LineTo(g.dc, g.right, y);
  SelectObject(g.dc, old);
  DeleteObject(pen);
}

int PaintTitles(const Grid& g, const RECT& update, int titles) {
  int titlesBottom = titles * g.lineHeight;
  if (titles == 0 || update.top >= titlesBottom) return 0;
  TitleLock lock;
  if (!lock.ok()) return 0;
  int y = 0;
  for (int i = gTitles.Acur; i < gTitles.Alast && y < g.bottom; ++i, y += g.lineHeight) {
    const LineEntry& e = gTitles.Entries[i];
    const Cells text = LineCells(gTitleText.Base, e);
    DrawFrozenPart(g, y, text, e.Length);
    Span s = ScrolledSpan(e.Length, g.frozen);
    UseColors(g.dc, CLR_TITLE, CLR_TITLE_BGND);
    DrawCells(g.dc, g.edge, RECT{g.edge, y, g.right, y + g.lineHeight}, text, s.start, s.count);
    ++gRowsPainted;
  }
  FillSolid(g.dc, RECT{0, titlesBottom - 1, g.right, titlesBottom}, CLR_TEXT);
  return y;
}

void PaintTextRow(const Grid& g, int y, const LineEntry& e, FileOffset nextOffset) {
  int32_t flags = e.Flags;
  int text = CLR_TEXT, back = CLR_TEXT_BGND;
  if (flags & LF_MESSAGE) {
    text = CLR_MESSAGE;
    back = CLR_MESSAGE_BGND;
  } else if (flags & LF_TAG_MASK) {
    text = CLR_TAG;
    back = CLR_TAG_BGND;
  }
  const Cells chars = LineCells(gText.Base, e);
  Span s = ScrolledSpan(e.Length, g.frozen);
  bool showBackground = (gViewOptions.CurrentFlags & FMT_SHOW_BACKGROUND) != 0;
  bool showNote = gSetupSettings.ShowMessages && (flags & kNoteFlags);
  // X: where the row's text (or its padding) ends; needed only for these two.
  int x = g.right;
  if (showBackground || showNote) {
    const int width = TextWidth(g.dc, chars, s.start, s.count);
    int padded =
        PaddedWidth(gSetupSettings.PadLineLength, g.frozen, gView.HScroll, g.charWidth, g.right);
    x = g.edge + ((flags & LF_PAGE_GAP) ? 0 : std::max<int>(width, padded));
    if (x > 0) x += 2;
  }

  DrawFrozenPart(g, y, chars, e.Length);
  UseColors(g.dc, text, back);
  RECT cells{g.edge, y, showBackground ? std::min(x + 1, g.right) : g.right, y + g.lineHeight};
  DrawCells(g.dc, g.edge + 1, cells, chars, s.start, s.count);
  if (showBackground && x < g.right) {
    RECT rest{x, y, g.right, y + g.lineHeight};
    FillRect(g.dc, &rest, g.background);
  }
  if (showNote && x < g.right) {
    const char* note = (flags & LF_TRUNCATED)    ? kTruncatedNote
                       : (flags & LF_INCOMPLETE) ? kIncompleteNote
                                                 : nullptr;
    if (note) {
      UseColors(g.dc, CLR_INFO, CLR_INFO_BGND);
      TextOutA(g.dc, x + 2, y, note, lstrlenA(note));
    }
  }
  if (flags & LF_PAGE_BREAK) DrawDottedLine(g, y);
  if (gSel.SelStart < nextOffset && e.Offset < gSel.SelEnd) {
    RECT row{0, y, g.right, y + g.lineHeight};
    InvertRect(g.dc, &row);
  }
}

// Every paint sets the bars, but only changes are passed on: redrawing an
// unchanged bar costs far more than painting the whole text.
void SetScrollBar(HWND hwnd, int bar, int rangeMax, int position) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_POS;
  bool known = GetScrollInfo(hwnd, bar, &si);
  if (!known || si.nMin != 0 || si.nMax != rangeMax) SetScrollRange(hwnd, bar, 0, rangeMax, FALSE);
  if (!known || si.nPos != position) SetScrollPos(hwnd, bar, position, TRUE);
}

// Returns the bottom of the last row painted.
int PaintTextRows(const Grid& g, const RECT& update, int titles) {
  ViewLock lock;
  if (!lock.ok() || gLines.Acur >= gLines.Acnt) return 0;
  gView.TopOffset = gLines.Entries[gLines.Acur].Offset;
  int row = std::max(static_cast<int>(update.top / g.lineHeight), titles);
  int index = gLines.Acur + (row - titles);
  int y = row * g.lineHeight;
  for (; index < gLines.Alast && index + 1 < gLines.Acnt && y < update.bottom;
       ++index, y += g.lineHeight) {
    PaintTextRow(g, y, gLines.Entries[index], gLines.Entries[index + 1].Offset);
    ++gRowsPainted;
  }
  return y;
}
}  // namespace

void PaintContent(HDC dc, const RECT& update) {
  gRowsPainted = 0;
  Grid g{};
  g.dc = dc;
  g.right = gView.ClientWidth;
  g.bottom = gView.ClientHeight;
  g.lineHeight = std::max(gView.LineHeight, 1);
  g.charWidth = gView.CharWidth;
  g.frozen = FrozenColumnsShown(gViewOptions.FreezeColumns, g.charWidth, g.right);
  g.edge = FrozenEdge(g.frozen, g.charWidth);
  g.background = CreateSolidBrush(gColors[CLR_WINDOW_BGND]);
  HGDIOBJ oldFont = gScreenFont.Font ? SelectObject(dc, gScreenFont.Font) : nullptr;
  SetBkMode(dc, OPAQUE);

  int titles = TitleRowCount();
  int lastBottom = PaintTitles(g, update, titles);
  bool fileOpen = gFile.Path[0] != '\0';
  if (fileOpen) lastBottom = std::max(lastBottom, PaintTextRows(g, update, titles));
  if (g.frozen > 0) FillSolid(dc, RECT{g.edge - 1, 0, g.edge, lastBottom}, CLR_TEXT);
  int rows = titles + (fileOpen ? std::max(gLines.Alast - gLines.Acur, 0) : 0);
  RECT below{0, rows * g.lineHeight, g.right, g.bottom};
  if (below.top < below.bottom) FillRect(dc, &below, g.background);

  if (oldFont) SelectObject(dc, oldFont);
  DeleteObject(g.background);
}

int LastPaintRows() { return gRowsPainted; }

void UpdateScrollBars(HWND hwnd) {
  bool fileOpen = gFile.Path[0] != '\0';
  VertBarInput v{gViewOptions.VertScroll, fileOpen, gFile.Flen, gLines.Acur, gLines.Alast,
                 gView.LinesPerScreen};
  SetScrollBar(hwnd, SB_VERT, VertScrollMax(v),
               fileOpen ? VertScrollPosition(gView.TopOffset, gFile.Flen) : 0);
  int hmax = HorzScrollMax(gViewOptions.HorzScroll, gView.FormatLength, gView.CharWidth,
                           gView.ClientWidth, gView.HScroll);
  SetScrollBar(hwnd, SB_HORZ, hmax, std::min(gView.HScroll, hmax));
}

void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  PaintContent(dc, ps.rcPaint);
  UpdateScrollBars(hwnd);
  EndPaint(hwnd, &ps);
}

LRESULT OnEraseBackground(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (gFile.Path[0]) return 1;
  return DefWindowProcA(hwnd, WM_ERASEBKGND, wParam, lParam);
}
