#include "viewers/base/viewer_print_font.h"

#include <algorithm>
#include <cstdint>

HFONT CreatePrinterFont(HWND window, LOGFONTA lf, HDC printer) {
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

bool PrintInFont(HWND window, const LOGFONTA& lf, PrintJob& job, const PrintContent& content) {
  HFONT font = CreatePrinterFont(window, lf, job.Dc());
  if (!font) return false;
  HGDIOBJ old = SelectObject(job.Dc(), font);
  const bool ok = content(job);
  SelectObject(job.Dc(), old);
  DeleteObject(font);
  return ok;
}
