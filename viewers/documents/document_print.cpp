// Printing: the paragraphs wrapped again to the page's width in the view's
// font at the printer's resolution, as many lines a page as fit.
#include <algorithm>

#include "common/text_copy.h"
#include "viewers/base/viewer_print_font.h"
#include "viewers/documents/document_window.h"
#include "viewers/documents/text_measure.h"

namespace {
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
    return PrintInFont(Window(), baseFont_, job,
                       [&](PrintJob& page) { return PrintPages(text_.Paragraphs, page); });
  });
}
