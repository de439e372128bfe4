// Printing: the paragraphs wrapped again to the page's width in the view's
// font at the printer's resolution, as many lines a page as fit.
#include <algorithm>

#include "common/text_copy.h"
#include "viewers/base/viewer_print.h"
#include "viewers/documents/document_window.h"
#include "viewers/documents/text_measure.h"

namespace {
HFONT PrinterFont(HWND window, LOGFONTA lf, HDC printer) {
  HDC screen = GetDC(window);
  const int screenY = GetDeviceCaps(screen, LOGPIXELSY),
            screenX = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(window, screen);
  lf.lfHeight = static_cast<LONG>(int64_t{lf.lfHeight} * GetDeviceCaps(printer, LOGPIXELSY) /
                                  std::max(1, screenY));
  lf.lfWidth = static_cast<LONG>(int64_t{lf.lfWidth} * GetDeviceCaps(printer, LOGPIXELSX) /
                                 std::max(1, screenX));
  return CreateFontIndirectA(&lf);
}

bool PrintPages(const std::vector<std::string>& paragraphs, PrintJob& job) {
  HDC dc = job.Dc();
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const int lineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
  const int perPage = std::max(1, GetDeviceCaps(dc, VERTRES) / lineHeight);
  const std::vector<TextLine> lines =
      BreakLines(paragraphs, GetDeviceCaps(dc, HORZRES), MeasureOn(dc));
  int row = 0;
  for (const TextLine& line : lines) {
    if (row == perPage) {
      if (!job.NextPage()) return false;
      row = 0;
    }
    DrawTabbed(dc, 0, row++ * lineHeight,
               std::string_view(paragraphs[line.Paragraph]).substr(line.Start, line.Length));
  }
  return true;
}
}  // namespace

bool DocumentWindow::Print(const PRINTDLGA* record) {
  if (!path_[0]) return false;
  return RunPrintJob(*this, record, FileNamePart(path_).data(), [&](PrintJob& job) {
    HFONT font = PrinterFont(Window(), baseFont_, job.Dc());
    if (!font) return false;
    HGDIOBJ old = SelectObject(job.Dc(), font);
    const bool ok = PrintPages(text_.Paragraphs, job);
    SelectObject(job.Dc(), old);
    DeleteObject(font);
    return ok;
  });
}
