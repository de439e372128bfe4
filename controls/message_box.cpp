// The library's message box: the sound of its icon, and a text broken into
// lines that fit half the screen, since the system's box breaks lines only
// at blanks and grows past the screen's edge for a long path.
#include <string>

#include "common/line_breaks.h"
#include "controls/htctl32.h"
#include "win32/message_report.h"

namespace {

// The font message boxes use; the system font where the system cannot say.
HFONT CreateMessageFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return CreateFontIndirectA(&metrics.lfMessageFont);
  return nullptr;
}

std::string TextForScreen(const char* text) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateMessageFont();
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  std::string broken =
      BreakLongLines(text, GetSystemMetrics(SM_CXSCREEN) / 2, [dc](std::string_view piece) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, piece.data(), static_cast<int>(piece.size()), &size);
        return static_cast<int>(size.cx);
      });
  SelectObject(dc, previous);
  if (font) DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return broken;
}

}  // namespace

HTCTLAPI int WINAPI MsgBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  return ReportMessage(owner, text ? TextForScreen(text).c_str() : text, caption, style);
}
