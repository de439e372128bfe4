// Painting the lines from the top line down in the parent's colours, the
// selected lines inverted. WM_PAINT and WM_PRINTCLIENT share it.
#include <algorithm>

#include "viewers/common/line_view_parts.h"
#include "viewers/base/viewer_parent.h"

namespace {
constexpr int kLeftMargin = 2;

void PaintRow(const LineView& v, HDC dc, int y, int right, const LineEntry& line, FileOffset next) {
  RECT row{0, y, right, y + v.LineHeight};
  int skip = std::min(v.HScroll, std::max(0, line.Length));
  const char* text = v.Arena.Base + line.TextOffset;
  const UINT count = static_cast<UINT>(std::max(0, line.Length - skip));
  if (line.Flags & LF_WIDE)  // UTF-16 units
    ExtTextOutW(dc, kLeftMargin, y, ETO_OPAQUE, &row, reinterpret_cast<const wchar_t*>(text) + skip,
                count, nullptr);
  else
    ExtTextOutA(dc, kLeftMargin, y, ETO_OPAQUE, &row, text + skip, count, nullptr);
  bool message = (line.Flags & LF_MESSAGE) != 0;
  if (!message && HasSelection(v) && line.Offset < v.SelEnd && next > v.SelStart)
    InvertRect(dc, &row);
}
}  // namespace

void PaintContent(LineView& v, HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(v.Window, &client);
  COLORREF backColor = AskBackColor(v.Window);
  HBRUSH back = CreateSolidBrush(backColor);
  HGDIOBJ oldFont = SelectObject(dc, v.Font);
  SetTextColor(dc, AskTextColor(v.Window));
  SetBkColor(dc, backColor);
  int y = 0;
  const LineTable& t = v.Table;
  if (v.Open && t.Acur >= t.Afirst) {
    for (int i = t.Acur; i < t.Alast && y < area.bottom; ++i, y += v.LineHeight) {
      if (y + v.LineHeight > area.top)
        PaintRow(v, dc, y, client.right, t.Entries[i], t.Entries[i + 1].Offset);
    }
  }
  RECT rest{0, std::max<int>(y, area.top), client.right, client.bottom};
  if (rest.top < rest.bottom) FillRect(dc, &rest, back);
  SelectObject(dc, oldFont);
  DeleteObject(back);
}
