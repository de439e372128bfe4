#include "viewers/text/text_print.h"

#include <algorithm>

#include "common/text_copy.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/common/walk_storage.h"

namespace {
constexpr int32_t kUnwrappedLineLength = 1024;

struct Page {
  HDC Dc;
  int LineHeight;
  int LinesPerPage;
  int Row = 0;
};

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

// Between pages the queue is pumped so that a cancel can come in.
bool NextPage(Page& p, const TextState& s) {
  if (EndPage(p.Dc) <= 0) return false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  p.Row = 0;
  return !s.CancelPrint && StartPage(p.Dc) > 0;
}

bool PrintLines(const LineView& v, const TextState& s, Page& p, int32_t lineLength) {
  WalkStorage storage;
  bool ok = StartPage(p.Dc) > 0;
  WalkFormattedLines(v.File, 0, -1, FormatOf(v, lineLength), storage.Blocks(),
                     [&](const LineEntry&, std::string_view text) {
                       if (p.Row == p.LinesPerPage) ok = NextPage(p, s);
                       if (!ok) return false;
                       TextOutA(p.Dc, 0, p.Row++ * p.LineHeight, text.data(),
                                static_cast<int>(text.size()));
                       return true;
                     });
  if (ok) ok = EndPage(p.Dc) > 0;
  return ok;
}

bool PrintDocument(const LineView& v, TextState& s, HDC dc) {
  HFONT font = PrinterFont(v, dc);
  if (!font) return false;
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  Page page{dc, std::max<int>(1, tm.tmHeight + tm.tmExternalLeading), 1};
  page.LinesPerPage = std::max(1, GetDeviceCaps(dc, VERTRES) / page.LineHeight);
  int32_t lineLength =
      v.Wrap
          ? std::max<int32_t>(20, GetDeviceCaps(dc, HORZRES) / std::max<int>(1, tm.tmAveCharWidth))
          : kUnwrappedLineLength;
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = FileNamePart(v.File.Path).data();
  s.CancelPrint = false;
  bool ok = StartDocA(dc, &doc) > 0;
  if (ok) ok = PrintLines(v, s, page, lineLength);
  if (ok)
    ok = EndDoc(dc) > 0;
  else
    AbortDoc(dc);
  SelectObject(dc, old);
  DeleteObject(font);
  return ok;
}
}  // namespace

LRESULT PrintText(LineView& v, TextState& s, const PRINTDLGA* record) {
  if (!v.Open) return 0;
  if (record) return record->hDC && PrintDocument(v, s, record->hDC) ? 1 : 0;
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = v.Window;
  pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
  if (!PrintDlgA(&pd)) return 0;  // cancelled
  bool ok = pd.hDC && PrintDocument(v, s, pd.hDC);
  if (pd.hDC) DeleteDC(pd.hDC);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!ok && !s.CancelPrint)
    MessageBoxA(v.Window, "The file could not be printed.", "Print", MB_OK | MB_ICONEXCLAMATION);
  return ok ? 1 : 0;
}
