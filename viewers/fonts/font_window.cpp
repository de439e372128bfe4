#include "viewers/fonts/font_window.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_clipboard.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_print.h"
#include "viewers/base/viewer_scroll.h"
#include "viewers/fonts/formats/char_query.h"
#include "viewers/fonts/sheet_painter.h"

namespace {

constexpr int kLineStep = 20;
constexpr float kZooms[] = {0.25f, 0.5f, 1, 2, 3, 4, 5};  // commands 299-305

int ClientHeight(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r.bottom;
}

// The text metrics a layout needs, of the font selected in dc.
void MeasureText(HDC dc, SheetMetrics& m) {
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  m.TextHeight = tm.tmHeight;
  SIZE size;
  GetTextExtentPoint32A(dc, "U+10FFFF", 8, &size);
  m.CodeWidth = size.cx;
  GetTextExtentPoint32A(dc, "72 pt  ", 7, &size);
  m.LabelWidth = size.cx;
}

void FontMetrics(const FontDocument& document, SheetMetrics& m) {
  const FontRaster& raster = document.Raster();
  m.UnitsPerEm = raster.UnitsPerEm();
  m.Ascent = raster.Ascent();
  m.Descent = raster.Descent();
  m.FactLines = document.FactLines().size();
}

}  // namespace

FontWindow::~FontWindow() {
  if (font_) DeleteObject(font_);
}

bool FontWindow::Open(const char* path, int, bool) {
  std::unique_ptr<FontDocument> document = FontDocument::Open(path);
  if (!document) return false;
  document_ = std::move(document);
  path_ = path;
  fileSize_ = static_cast<uint32_t>(std::min<int64_t>(QueryFileSize(path), 0xFFFFFFFF));
  top_ = 0;
  marked_ = static_cast<size_t>(-1);
  SetStatus(DescribeFont(document_->Facts()).c_str());
  SetScrollRange(Window(), SB_HORZ, 0, 0, TRUE);
  LayOut();
  // The facts are always there to copy.
  ReportSelection(Window(), true);
  return true;
}

HFONT FontWindow::TextFont() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

bool FontWindow::SetFont(const LOGFONTA& font) {
  if (font_) DeleteObject(font_);
  font_ = CreateFontIndirectA(&font);
  if (document_) LayOut();
  return true;
}

void FontWindow::LayOut() {
  if (!font_) {
    const LOGFONTA* shared = AskSharedFont(Window());
    if (shared) font_ = CreateFontIndirectA(shared);
  }
  SheetMetrics m;
  RECT client;
  GetClientRect(Window(), &client);
  m.Width = client.right;
  HDC dc = GetDC(Window());
  HGDIOBJ old = SelectObject(dc, TextFont());
  MeasureText(dc, m);
  m.Dpi = GetDeviceCaps(dc, LOGPIXELSY);
  SelectObject(dc, old);
  ReleaseDC(Window(), dc);
  m.Zoom = zoom_;
  FontMetrics(*document_, m);
  m.MapEntries = document_->Raster().Drawable() ? document_->Map().size() : 0;
  metrics_ = m;
  layout_ = LayOutSheet(m);
  ScrollTo(top_);
}

void FontWindow::ScrollTo(int top) {
  // The sheet scrolls until its last band is at the top, so that Find and
  // Go To can put any cell there.
  const int page = ClientHeight(Window());
  const int last = layout_.Bands.empty() ? 0 : layout_.Bands.back().Height + 2 * layout_.Margin;
  const int most = std::max(0, layout_.Height - std::min(page, last));
  top_ = std::clamp(top, 0, most);
  SetScrollBar(Window(), SB_VERT, most, page, top_);
  InvalidateRect(Window(), nullptr, FALSE);
}

void FontWindow::OnScrollBar(WORD code) {
  int64_t to;
  if (ScrollBarTarget(Window(), SB_VERT, code, top_, kLineStep, ClientHeight(Window()), &to))
    ScrollTo(static_cast<int>(to));
}

bool FontWindow::ShowEntry(size_t entry) {
  const SheetBand* band = BandOfEntry(layout_, entry);
  if (!band) return false;
  marked_ = entry;
  const int page = ClientHeight(Window());
  if (band->Top < top_ || band->Top + band->Height > top_ + page)
    ScrollTo(band->Top - layout_.Margin);
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

unsigned FontWindow::Find(bool, const char* text) {
  if (!document_) return kFindNoMatch;
  const CharQuery query = ParseCharQuery(text);
  if (!query.Valid) return kFindNoMatch;
  uint32_t code = query.Code;
  if (query.AnsiByte) {
    const char byte = static_cast<char>(query.Code);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) == 1) code = wide;
  }
  const size_t entry = document_->EntryOfCode(code);
  if (entry >= document_->Map().size()) return kFindNoMatch;
  // Each code is in the map once: asking again finds nothing further.
  if (entry == marked_ && !findStarted_) return kFindNoFurther;
  findStarted_ = false;
  return ShowEntry(entry) ? 1 : kFindNoMatch;
}

void FontWindow::GoTo(uint32_t code) {
  if (!document_) return;
  const size_t entry = document_->EntryOfCode(code);
  if (entry >= document_->Map().size() || !ShowEntry(entry)) MessageBeep(MB_ICONEXCLAMATION);
}

bool FontWindow::Zoom(unsigned command) {
  if (command < 299 || command > 305) return false;
  zoom_ = kZooms[command - 299];
  if (document_) LayOut();
  return true;
}

bool FontWindow::Copy() {
  if (!document_) return false;
  std::string text;
  for (const FactLine& line : document_->FactLines())
    text += line.Label + ": " + line.Value + "\r\n";
  return PutTextOnClipboard(Window(), text);
}

bool FontWindow::SelectAll() {
  if (!document_) return false;
  ReportSelection(Window(), true);
  return true;
}

bool FontWindow::Print(const PRINTDLGA* record) {
  if (!document_) return false;
  return RunPrintJob(*this, record, path_.c_str(), [this](PrintJob& job) {
    HDC dc = job.Dc();
    SheetMetrics m;
    m.Dpi = GetDeviceCaps(dc, LOGPIXELSY);
    m.Width = GetDeviceCaps(dc, HORZRES);
    const int pageHeight = GetDeviceCaps(dc, VERTRES);
    LOGFONTA face = {};
    face.lfHeight = -MulDiv(10, m.Dpi, 72);  // 10 points on paper
    face.lfWeight = FW_NORMAL;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    HFONT font = CreateFontIndirectA(&face);
    HGDIOBJ old = SelectObject(dc, font);
    MeasureText(dc, m);
    FontMetrics(*document_, m);
    const SheetLayout layout = LayOutSheet(m);  // no character map on paper
    SheetPainter painter(*document_, layout, m, {RGB(255, 255, 255), RGB(0, 0, 0)});
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    bool printed = true;
    int pageTop = 0;
    for (const SheetBand& band : layout.Bands) {
      if (band.Top + band.Height - pageTop > pageHeight - layout.Margin &&
          band.Top - pageTop > layout.Margin) {
        if (!(printed = job.NextPage())) break;
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        pageTop = band.Top - layout.Margin;
      }
      painter.Draw(dc, band, band.Top - pageTop);
    }
    SelectObject(dc, old);
    DeleteObject(font);
    return printed;
  });
}

bool FontWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  *result = 0;
  if (!document_) return false;
  switch (msg) {
    case WM_VSCROLL:
    case WM_KEYDOWN: {
      int bar;
      WORD code;
      if (!ScrollRequest(msg, wParam, &bar, &code) || bar != SB_VERT) return false;
      OnScrollBar(code);
      return true;
    }
    case WM_SIZE: LayOut(); return false;
  }
  return false;
}

void FontWindow::Paint(HDC dc, const RECT& area) {
  ViewerWindow::Paint(dc, area);
  if (!document_) return;
  const SheetInk ink = {AskBackColor(Window()), AskTextColor(Window())};
  SheetPainter painter(*document_, layout_, metrics_, ink);
  painter.Marked = marked_;
  HGDIOBJ old = SelectObject(dc, TextFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink.Text);
  for (const SheetBand& band : layout_.Bands) {
    const int y = band.Top - top_;
    if (y + band.Height <= area.top || y >= area.bottom) continue;
    painter.Draw(dc, band, y);
  }
  if (!document_->Raster().Drawable()) {
    const char* why = document_->Facts().Outlines == SfntKind::Cff
                          ? "The CFF outlines of this font are not drawn."
                          : "The outlines of this font cannot be drawn.";
    const int y =
        layout_.Bands.empty()
            ? layout_.Margin
            : layout_.Bands[std::min<size_t>(metrics_.FactLines, layout_.Bands.size() - 1)].Top -
                  top_;
    TextOutA(dc, layout_.Margin, y, why, static_cast<int>(std::strlen(why)));
  }
  SelectObject(dc, old);
}
