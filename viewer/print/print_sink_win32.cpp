#include "viewer/print/print_sink_win32.h"

#include "viewer/settings/color_table.h"

namespace {
// Text and background entries of the colour table for each kind of line.
int TextEntry(PrintColors colors) {
  switch (colors) {
    case PrintColors::kTagged: return 13;
    case PrintColors::kHeading: return 15;
    case PrintColors::kComment: return 17;
    default: return 11;
  }
}
COLORREF Complement(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }
int Length(std::string_view text) { return static_cast<int>(text.size()); }
// A wide line's UTF-16 units.
const wchar_t* Units(std::string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }
int UnitCount(std::string_view text) { return static_cast<int>(text.size() / 2); }
}  // namespace

void GdiPageSink::Progress(int page, bool printed) { ShowPrintProgress(page, printed); }

bool GdiPageSink::StartPage() {
  const int started = ::StartPage(device_.Dc);
  if (started <= 0) {
    spoolerError_ = started < 0 ? started : SP_ERROR;
    return false;
  }
  PrepareDrawing();
  return true;
}

void GdiPageSink::PrepareDrawing() {
  SelectObject(device_.Dc, font_);  // a new page may start with the device's defaults
  UseColors(PrintColors::kNormal, false);
}

bool GdiPageSink::EndPage() {
  const int ended = ::EndPage(device_.Dc);
  if (ended > 0) return true;
  spoolerError_ = ended < 0 ? ended : SP_ERROR;
  return false;
}

void GdiPageSink::UseColors(PrintColors colors, bool inverted) {
  const int entry = TextEntry(colors);
  COLORREF text = gColors[entry], back = gColors[entry + 1];
  if (inverted) text = Complement(text), back = Complement(back);
  SetTextColor(device_.Dc, text);
  SetBkColor(device_.Dc, back);
}

void GdiPageSink::DrawLine(int32_t x, int32_t y, std::string_view text, PrintColors colors,
                           bool inverted, bool wide) {
  UseColors(colors, inverted);
  const RECT band{x, y, page_.Left + page_.UsableWidth, y + page_.LineHeight};
  if (wide)
    ExtTextOutW(device_.Dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &band, Units(text), UnitCount(text), nullptr);
  else
    ExtTextOutA(device_.Dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &band, text.data(), Length(text), nullptr);
  UseColors(PrintColors::kNormal, false);
}

void GdiPageSink::DrawText(int32_t x, int32_t y, std::string_view text, PrintColors colors) {
  UseColors(colors, false);
  TextOutA(device_.Dc, x, y, text.data(), Length(text));
  UseColors(PrintColors::kNormal, false);
}

void GdiPageSink::DrawBand(int32_t y) {
  const RECT band{page_.Left, y, page_.Left + page_.UsableWidth, y + page_.LineHeight};
  ExtTextOutA(device_.Dc, page_.Left, y, ETO_OPAQUE, &band, "", 0, nullptr);
}

int32_t GdiPageSink::TextWidth(std::string_view text, bool wide) {
  SIZE size = {};
  if (wide)
    GetTextExtentPoint32W(device_.Dc, Units(text), UnitCount(text), &size);
  else
    GetTextExtentPoint32A(device_.Dc, text.data(), Length(text), &size);
  return size.cx;
}

bool GdiPageSink::Cancelled() { return PrintCancelled(); }
