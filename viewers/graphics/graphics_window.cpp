#include "viewers/graphics/graphics_window.h"

#include <algorithm>
#include <cstdio>

#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_print.h"
#include "viewers/graphics/metafile_picture.h"
#include "viewers/graphics/picture_dib.h"
#include "viewers/graphics/formats/picture_transform.h"

namespace {

constexpr UINT_PTR kPlayTimer = 1;
constexpr int kLineStep = 16;
enum RotateCommand : unsigned { kFlip = 318, kReverse = 319, kRotate = 320 };

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

uint32_t AsPixel(COLORREF colour) {
  return PixelOf(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

GraphicsWindow::~GraphicsWindow() {
  if (playing_) KillTimer(Window(), kPlayTimer);
}

bool GraphicsWindow::Open(const char* path, int, bool) {
  PictureDocument document = OpenPictureDocument(path);
  if (document.Status == DecodeStatus::NotThisFormat) document = OpenMetafile(path);
  if (document.Status == DecodeStatus::TooLarge) {
    char text[200];
    std::snprintf(text, sizeof text, "The picture is %ld x %ld pixels: too large to show.",
                  static_cast<long>(document.Info.Width), static_cast<long>(document.Info.Height));
    MessageBoxA(GetParent(Window()), text, "Skimmet", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (document.Frames.empty()) return false;
  document_ = std::move(document);
  path_ = path;
  fileSize_ = static_cast<uint32_t>(std::min<int64_t>(QueryFileSize(path), 0xFFFFFFFF));
  frame_ = page_ = 0;
  left_ = top_ = 0;
  ReportPages();
  if (document_.PagesAreFrames) SendMessageA(GetParent(Window()), ZV_CANPLAY, 0, 0);
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

void GraphicsWindow::ReportPages() {
  SendMessageA(GetParent(Window()), ZV_PAGES, static_cast<WPARAM>(document_.PageCount), page_);
}

void GraphicsWindow::UpdateStatus() {
  const PictureInfo& info = document_.Info;
  const ZoomRatio zoom = ZoomOf(zoom_);
  char text[128];
  std::snprintf(text, sizeof text, "%s  %ld x %ld  %d bits  %d%%", info.Format, static_cast<long>(info.Width),
                static_cast<long>(info.Height), info.BitsPerPixel, zoom.Times * 100 / zoom.Parts);
  SetStatus(text);
}

void GraphicsWindow::UpdateScrollBars() {
  const SIZE client = ClientSize(Window());
  const ZoomRatio zoom = ZoomOf(zoom_);
  const int64_t limits[2] = {ScrollLimit(Shown().Width, zoom, client.cx), ScrollLimit(Shown().Height, zoom, client.cy)};
  left_ = std::clamp<int64_t>(left_, 0, limits[0]);
  top_ = std::clamp<int64_t>(top_, 0, limits[1]);
  const int bars[2] = {SB_HORZ, SB_VERT};
  const int64_t positions[2] = {left_, top_}, pages[2] = {client.cx, client.cy};
  for (int i = 0; i < 2; ++i) {
    SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    if (limits[i] > 0) {  // 32-bit bars: shown pixels up to 5 x 8000 fit
      info.nMax = static_cast<int>(limits[i] + pages[i] - 1);
      info.nPage = static_cast<UINT>(pages[i]);
      info.nPos = static_cast<int>(positions[i]);
    }
    SetScrollInfo(Window(), bars[i], &info, TRUE);
  }
}

void GraphicsWindow::Scroll(int bar, int64_t to) {
  (bar == SB_HORZ ? left_ : top_) = to;
  UpdateScrollBars();
  InvalidateRect(Window(), nullptr, FALSE);
}

void GraphicsWindow::OnScrollBar(int bar, WORD code) {
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Window(), bar, &info);
  int64_t at = bar == SB_HORZ ? left_ : top_;
  switch (code) {
    case SB_LINEUP: at -= kLineStep; break;
    case SB_LINEDOWN: at += kLineStep; break;
    case SB_PAGEUP: at -= info.nPage; break;
    case SB_PAGEDOWN: at += info.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: at = info.nTrackPos; break;
    case SB_TOP: at = 0; break;
    case SB_BOTTOM: at = info.nMax; break;
    default: return;
  }
  Scroll(bar, at);
}

bool GraphicsWindow::Zoom(unsigned command) {
  if (command < 299 || command > 305) return false;
  const SIZE client = ClientSize(Window());
  const ZoomRatio before = ZoomOf(zoom_), after = ZoomOf(command);
  left_ = KeepCentre(left_, client.cx, Shown().Width, before, after);
  top_ = KeepCentre(top_, client.cy, Shown().Height, before, after);
  zoom_ = command;
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool GraphicsWindow::Turn(unsigned command) {
  for (Picture& frame : document_.Frames) {  // every frame, so that Play shows them alike
    if (command == kFlip) FlipTopToBottom(frame);
    else if (command == kReverse) ReverseLeftToRight(frame);
    else if (!RotateClockwise(frame)) return false;
  }
  if (command == kRotate) std::swap(document_.Info.Width, document_.Info.Height);
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool GraphicsWindow::ShowPage(unsigned page) {
  if (page >= static_cast<unsigned>(document_.PageCount)) return false;
  if (static_cast<int>(page) == page_) {
    // shown already
  } else if (document_.PagesAreFrames) {
    frame_ = static_cast<int>(page);
  } else if (!ShowTiffPage(document_, path_.c_str(), static_cast<int>(page))) {
    return false;
  }
  page_ = static_cast<int>(page);
  ReportPages();
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool GraphicsWindow::Play() {
  if (!document_.PagesAreFrames) return false;
  playing_ = !playing_;
  if (!playing_) return KillTimer(Window(), kPlayTimer), true;
  SetTimer(Window(), kPlayTimer, static_cast<UINT>(std::max(document_.DelaysMs[static_cast<size_t>(frame_)], 20)),
           nullptr);
  return true;
}

void GraphicsWindow::NextFrame() {
  frame_ = (frame_ + 1) % static_cast<int>(document_.Frames.size());
  page_ = frame_;
  SetTimer(Window(), kPlayTimer, static_cast<UINT>(std::max(document_.DelaysMs[static_cast<size_t>(frame_)], 20)),
           nullptr);
  InvalidateRect(Window(), nullptr, FALSE);
}

bool GraphicsWindow::Copy() { return CopyPictureToClipboard(Window(), Shown()); }

bool GraphicsWindow::SelectAll() {
  ReportSelection(Window(), true);
  return true;
}

bool GraphicsWindow::Print(const PRINTDLGA* record) {
  const Picture& picture = Shown();
  return RunPrintJob(*this, record, path_.c_str(), [&picture](PrintJob& job) {
    // The whole page, less nothing; the picture as large as fits, centred.
    const int pageWidth = GetDeviceCaps(job.Dc(), HORZRES), pageHeight = GetDeviceCaps(job.Dc(), VERTRES);
    const double scale = std::min(static_cast<double>(pageWidth) / picture.Width,
                                  static_cast<double>(pageHeight) / picture.Height);
    const int width = static_cast<int>(picture.Width * scale), height = static_cast<int>(picture.Height * scale);
    const RECT into = {(pageWidth - width) / 2, (pageHeight - height) / 2, (pageWidth + width) / 2,
                       (pageHeight + height) / 2};
    StretchPicture(job.Dc(), into, picture);
    return true;
  });
}

bool GraphicsWindow::SaveAs(unsigned kind, const char* name) {
  if (kind > static_cast<unsigned>(SaveKind::Tga)) return false;
  if (SavePictureFile(Shown(), static_cast<SaveKind>(kind), name)) return true;
  char text[400];
  std::snprintf(text, sizeof text, "Unable to save %s.", name);
  MessageBoxA(GetParent(Window()), text, "Skimmet", MB_OK | MB_ICONSTOP);
  return false;
}

bool GraphicsWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wParam) < kFlip || LOWORD(wParam) > kRotate) return false;
      *result = Turn(LOWORD(wParam));
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (document_.Frames.empty()) return false;
      OnScrollBar(msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
      return true;
    case WM_KEYDOWN: {
      if (document_.Frames.empty()) return false;
      const bool horizontal = wParam == VK_LEFT || wParam == VK_RIGHT;
      const WORD code = wParam == VK_UP || wParam == VK_LEFT ? SB_LINEUP
                        : wParam == VK_DOWN || wParam == VK_RIGHT ? SB_LINEDOWN
                        : wParam == VK_PRIOR ? SB_PAGEUP
                        : wParam == VK_NEXT ? SB_PAGEDOWN
                        : wParam == VK_HOME ? SB_TOP
                        : wParam == VK_END ? SB_BOTTOM
                                           : 0xFFFF;
      if (code == 0xFFFF) return false;
      OnScrollBar(horizontal ? SB_HORZ : SB_VERT, code);
      return true;
    }
    case WM_SIZE:
      if (!document_.Frames.empty()) UpdateScrollBars();
      return false;
    case WM_TIMER:
      if (wParam != kPlayTimer || !playing_) return false;
      NextFrame();
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
  }
  return false;
}

void GraphicsWindow::Paint(HDC dc, const RECT& area) {
  if (document_.Frames.empty()) return ViewerWindow::Paint(dc, area);
  const SIZE client = ClientSize(Window());
  RenderView(Shown(), ZoomOf(zoom_), left_, top_, client.cx, client.cy, AsPixel(AskBackColor(Window())),
             view_);
  if (!view_.empty()) DrawPixels(dc, 0, 0, client.cx, client.cy, view_.data());
}
