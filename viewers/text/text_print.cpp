#include "viewers/text/text_print.h"

#include <algorithm>

#include "common/text_copy.h"
#include "viewers/base/viewer_print.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/common/walk_storage.h"

namespace {
constexpr int32_t kUnwrappedLineLength = 1024;

// The view's font at the printer's resolution.
HFONT PrinterFont(const LineView& v, HDC printer) {
  LOGFONTA lf = v.BaseFont;
  HDC screen = GetDC(v.Window);
  int screenY = GetDeviceCaps(screen, LOGPIXELSY), screenX = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(v.Window, screen);
  lf.lfHeight = static_cast<LONG>(int64_t{lf.lfHeight} * GetDeviceCaps(printer, LOGPIXELSY) /
                                  std::max(1, screenY));
  lf.lfWidth = static_cast<LONG>(int64_t{lf.lfWidth} * GetDeviceCaps(printer, LOGPIXELSX) /
                                 std::max(1, screenX));
  return CreateFontIndirectA(&lf);
}

bool PrintLines(const LineView& v, PrintJob& job) {
  HDC dc = job.Dc();
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  int lineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
  int linesPerPage = std::max(1, GetDeviceCaps(dc, VERTRES) / lineHeight);
  int32_t lineLength =
      v.Wrap
          ? std::max<int32_t>(20, GetDeviceCaps(dc, HORZRES) / std::max<int>(1, tm.tmAveCharWidth))
          : kUnwrappedLineLength;
  WalkStorage storage;
  bool ok = true;
  int row = 0;
  WalkFormattedLines(v.File, 0, -1, FormatOf(v, lineLength), storage.Blocks(),
                     [&](const LineEntry& line, std::string_view text) {
                       if (row == linesPerPage) {
                         ok = job.NextPage();
                         row = 0;
                       }
                       if (!ok) return false;
                       const int y = row++ * lineHeight;
                       if (line.Flags & LF_WIDE)  // UTF-16 units, two bytes each
                         ExtTextOutW(dc, 0, y, 0, nullptr, reinterpret_cast<const wchar_t*>(text.data()),
                                     static_cast<UINT>(text.size() / 2), nullptr);
                       else
                         TextOutA(dc, 0, y, text.data(), static_cast<int>(text.size()));
                       return true;
                     });
  return ok;
}
}  // namespace

bool PrintText(ViewerWindow& window, const LineView& v, const PRINTDLGA* record) {
  if (!v.Open) return false;
  return RunPrintJob(window, record, FileNamePart(v.File.Path).data(), [&](PrintJob& job) {
    HFONT font = PrinterFont(v, job.Dc());
    if (!font) return false;
    HGDIOBJ old = SelectObject(job.Dc(), font);
    bool ok = PrintLines(v, job);
    SelectObject(job.Dc(), old);
    DeleteObject(font);
    return ok;
  });
}
