#include "viewers/text/text_print.h"

#include <algorithm>

#include "common/text_copy.h"
#include "viewers/base/viewer_print_font.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/common/walk_storage.h"

namespace {
constexpr int32_t kUnwrappedLineLength = 1024;

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
                         ExtTextOutW(dc, 0, y, 0, nullptr,
                                     reinterpret_cast<const wchar_t*>(text.data()),
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
    return PrintInFont(v.Window, v.BaseFont, job,
                       [&](PrintJob& page) { return PrintLines(v, page); });
  });
}
