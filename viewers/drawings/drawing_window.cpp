#include "viewers/drawings/drawing_window.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_print.h"
#include "viewers/base/viewer_scroll.h"
#include "viewers/drawings/display_list_gdi.h"
#include "viewers/drawings/drawing_clipboard.h"
#include "viewers/drawings/formats/drawing_readers.h"
#include "viewers/graphics/formats/picture_view.h"
#include "viewers/graphics/metafile_file.h"
#include "viewers/graphics/picture_dib.h"

namespace {

constexpr LONG kLargestSide = 2000;  // of a drawing rendered at its own size
constexpr LONG kLargestMetafileSide = 4000;
constexpr int kLineStep = 16;

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// The extension after the path's last dot, in capitals.
std::string Extension(const char* path) {
  const char* dot = std::strrchr(path, '.');
  std::string ext = dot && !std::strpbrk(dot, "\\/") ? dot + 1 : "";
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

// A side of width x height scaled to fit into box x box.
SIZE Fitted(double width, double height, double boxWidth, double boxHeight) {
  if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {1, 1};
  const double scale = std::min(boxWidth / width, boxHeight / height);
  return {std::max<LONG>(1, static_cast<LONG>(width * scale)),
          std::max<LONG>(1, static_cast<LONG>(height * scale))};
}

}  // namespace

DrawingWindow::~DrawingWindow() { Close(); }

void DrawingWindow::Close() {
  if (metafile_) DeleteEnhMetaFile(metafile_);
  metafile_ = nullptr;
  drawing_ = Drawing{};
}

bool DrawingWindow::Open(const char* path, int, bool) {
  bool enhanced = false;
  HENHMETAFILE metafile = OpenMetafileFile(path, &enhanced);
  Drawing drawing;
  if (!metafile) {
    // The other kinds of drawing the shell sends here (CGM, EPS, ...) are
    // declined, so that the shell shows them as text.
    const std::string ext = Extension(path);
    ByteSource file(path);
    if (ext == "PLT" || ext == "HGL" || ext == "HPG")
      drawing = ReadHpgl(file);
    else if (ext == "DXF")
      drawing = ReadDxf(file);
    if (drawing.Pages.empty()) return false;
  }
  Close();
  metafile_ = metafile;
  metafileKind_ = enhanced ? "EMF" : "WMF";
  drawing_ = std::move(drawing);
  CopyText(path_, path);
  fileSize_ = static_cast<uint32_t>(std::min<int64_t>(QueryFileSize(path), 0xFFFFFFFF));
  page_ = 0;
  zoom_ = 301;
  scroll_ = {};
  SendMessageA(GetParent(Window()), ZV_PAGES, metafile_ ? 1 : drawing_.Pages.size(), 0);
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

SIZE DrawingWindow::NaturalSize() const {
  if (metafile_) return MetafileSize(metafile_, kLargestMetafileSide);
  const DrawBounds& bounds = drawing_.Pages[page_].Bounds;
  const double w = std::max(bounds.Width(), bounds.Height() / 100),
               h = std::max(bounds.Height(), bounds.Width() / 100);
  return Fitted(w > 0 ? w : 1, h > 0 ? h : 1, kLargestSide, kLargestSide);
}

SIZE DrawingWindow::FittedSize() const {
  const SIZE natural = NaturalSize(), client = ClientSize(Window());
  return Fitted(natural.cx, natural.cy, client.cx, client.cy);
}

void DrawingWindow::DrawInto(HDC dc, const RECT& into, COLORREF ink) const {
  if (metafile_)
    PlayEnhMetaFile(dc, metafile_, &into);
  else
    DrawDisplayList(dc, drawing_.Pages[page_], into, ink);
}

bool DrawingWindow::RenderNatural(Picture& out) const {
  const SIZE size = NaturalSize();
  return RenderPicture(
      size.cx, size.cy, [this](HDC dc, const RECT& all) { DrawInto(dc, all, RGB(0, 0, 0)); }, out);
}

void DrawingWindow::UpdateStatus() {
  char text[128];
  const ZoomRatio zoom = ZoomOf(zoom_);
  const int percent = zoom.Times * 100 / zoom.Parts;
  if (metafile_) {
    const SIZE size = NaturalSize();
    std::snprintf(text, sizeof text, "%s  %ld x %ld pixels  %d%%", metafileKind_,
                  static_cast<long>(size.cx), static_cast<long>(size.cy), percent);
  } else {
    const DrawBounds& bounds = drawing_.Pages[page_].Bounds;
    const double per = drawing_.UnitsPerMillimetre > 0 ? drawing_.UnitsPerMillimetre : 1;
    std::snprintf(text, sizeof text, "%s  %.4g x %.4g %s  %d%%", drawing_.Format,
                  bounds.Width() / per, bounds.Height() / per, drawing_.Unit, percent);
  }
  SetStatus(text);
}

void DrawingWindow::UpdateScrollBars() {
  const SIZE client = ClientSize(Window()), fitted = FittedSize();
  const ZoomRatio zoom = ZoomOf(zoom_);
  scroll_.Update(Window(), client, ScrollLimit(fitted.cx, zoom, client.cx),
                 ScrollLimit(fitted.cy, zoom, client.cy));
}

void DrawingWindow::OnScrollBar(int bar, WORD code) {
  if (!scroll_.Move(Window(), bar, code, kLineStep)) return;
  UpdateScrollBars();
  InvalidateRect(Window(), nullptr, FALSE);
}

bool DrawingWindow::Zoom(unsigned command) {
  if (command < 299 || command > 305 || !Shown()) return false;
  const SIZE client = ClientSize(Window()), fitted = FittedSize();
  const ZoomRatio before = ZoomOf(zoom_), after = ZoomOf(command);
  scroll_.Left = KeepCentre(scroll_.Left, client.cx, fitted.cx, before, after);
  scroll_.Top = KeepCentre(scroll_.Top, client.cy, fitted.cy, before, after);
  zoom_ = command;
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool DrawingWindow::ShowPage(unsigned page) {
  if (metafile_ || page >= drawing_.Pages.size()) return false;
  page_ = page;
  scroll_ = {};
  SendMessageA(GetParent(Window()), ZV_PAGES, drawing_.Pages.size(), page_);
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool DrawingWindow::Copy() {
  if (!Shown()) return false;
  const SIZE size = NaturalSize();
  HENHMETAFILE copy = metafile_ ? CopyEnhMetaFileA(metafile_, nullptr)
                                : RecordMetafile(size, [this](HDC dc, const RECT& all) {
                                    DrawInto(dc, all, RGB(0, 0, 0));
                                  });
  Picture picture;
  if (!RenderNatural(picture)) picture = Picture{};
  return PutOnClipboard(Window(), copy, picture);
}

bool DrawingWindow::SelectAll() {
  if (!Shown()) return false;
  ReportSelection(Window(), true);
  return true;
}

bool DrawingWindow::Print(const PRINTDLGA* record) {
  if (!Shown()) return false;
  const SIZE natural = NaturalSize();
  return RunPrintJob(*this, record, path_, [this, natural](PrintJob& job) {
    const int pageWidth = GetDeviceCaps(job.Dc(), HORZRES),
              pageHeight = GetDeviceCaps(job.Dc(), VERTRES);
    const SIZE size = Fitted(natural.cx, natural.cy, pageWidth, pageHeight);
    const RECT into = {(pageWidth - size.cx) / 2, (pageHeight - size.cy) / 2,
                       (pageWidth + size.cx) / 2, (pageHeight + size.cy) / 2};
    DrawInto(job.Dc(), into, RGB(0, 0, 0));
    return true;
  });
}

bool DrawingWindow::SaveAs(unsigned kind, const char* name) {
  if (kind > static_cast<unsigned>(SaveKind::Tga) || !Shown()) return false;
  Picture picture;
  if (RenderNatural(picture) && SavePictureFile(picture, static_cast<SaveKind>(kind), name))
    return true;
  char text[400];
  std::snprintf(text, sizeof text, "Unable to save %s.", name);
  MessageBoxA(GetParent(Window()), text, "Skimmet", MB_OK | MB_ICONSTOP);
  return false;
}

bool DrawingWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  *result = 0;
  if (!Shown()) return false;
  switch (msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_KEYDOWN: {
      int bar;
      WORD code;
      if (!ScrollRequest(msg, wParam, &bar, &code)) return false;
      OnScrollBar(bar, code);
      return true;
    }
    case WM_SIZE:
      UpdateScrollBars();
      InvalidateRect(Window(), nullptr, FALSE);
      return false;
    case WM_ERASEBKGND: *result = 1; return true;
  }
  return false;
}

// Drawn into a bitmap of the window's size first, so that nothing flickers.
void DrawingWindow::Paint(HDC dc, const RECT& area) {
  if (!Shown()) return ViewerWindow::Paint(dc, area);
  const SIZE client = ClientSize(Window()), fitted = FittedSize();
  if (client.cx <= 0 || client.cy <= 0) return;
  const ZoomRatio zoom = ZoomOf(zoom_);
  const int64_t width = Zoomed(fitted.cx, zoom), height = Zoomed(fitted.cy, zoom);
  const int64_t x = width < client.cx ? (client.cx - width) / 2 : -scroll_.Left;
  const int64_t y = height < client.cy ? (client.cy - height) / 2 : -scroll_.Top;
  const RECT into = {static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + width),
                     static_cast<LONG>(y + height)};
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.cx, client.cy);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const RECT all = {0, 0, client.cx, client.cy};
  HBRUSH back = CreateSolidBrush(AskBackColor(Window()));
  FillRect(memory, &all, back);
  DeleteObject(back);
  if (metafile_)
    FillRect(memory, &into, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // its paper
  DrawInto(memory, into, AskTextColor(Window()));
  BitBlt(dc, 0, 0, client.cx, client.cy, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}
