#include "viewer/print/page_geometry.h"

#include <cstdint>

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t product = int64_t{a} * b;
  bool negative = (product < 0) != (c < 0);
  uint64_t p = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
  uint64_t d = c < 0 ? 0 - static_cast<uint64_t>(int64_t{c}) : static_cast<uint64_t>(c);
  uint64_t q = (p + d / 2) / d;
  if (q > INT32_MAX) return -1;
  return negative ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

PageGeometry ComputePageGeometry(DeviceMetrics d, const PageMargins& m, int32_t fixedLength) {
  if (d.Height < 2 * d.LineHeight) d.Height = 50 * d.LineHeight;
  if (d.Width < 2 * d.CharWidth) d.Width = 60 * d.CharWidth;
  PageGeometry g;
  g.LineHeight = d.LineHeight;
  g.CharWidth = d.CharWidth;
  g.Left = MulDivRound(d.DpiX, m.Left, 100);
  g.Top = MulDivRound(d.DpiY, m.Top, 100);
  g.UsableWidth = d.Width - MulDivRound(d.DpiX, m.Left + m.Right, 100);
  g.Bottom = d.Height - MulDivRound(d.DpiY, m.Top + m.Bottom, 100);
  g.CharsPerLine = fixedLength > 0   ? fixedLength
                   : d.CharWidth > 0 ? g.UsableWidth / d.CharWidth
                                     : 0;
  return g;
}

bool MarginsLeaveRoom(const PageGeometry& g, int32_t headingLines) {
  const int64_t firstBodyLineEnd = int64_t{g.Top} + int64_t{headingLines + 1} * g.LineHeight;
  return g.Bottom >= 3 * g.LineHeight && g.UsableWidth >= 3 * g.LineHeight &&
         firstBodyLineEnd <= g.Bottom;
}
