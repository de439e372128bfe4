#include "viewers/graphics/graphics_window.h"

#include <algorithm>
#include <cstdio>

#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_print.h"
#include "viewers/base/viewer_scroll.h"
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
  scroll_ = {};
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
  std::snprintf(text, sizeof text, "%s  %ld x %ld  %d bits  %d%%", info.Format,
                static_cast<long>(info.Width), static_cast<long>(info.Height), info.BitsPerPixel,
                zoom.Times * 100 / zoom.Parts);
  SetStatus(text);
}

void GraphicsWindow::UpdateScrollBars() {
  const SIZE client = ClientSize(Window());
  const ZoomRatio zoom = ZoomOf(zoom_);
  scroll_.Update(Window(), client, ScrollLimit(Shown().Width, zoom, client.cx),
                 ScrollLimit(Shown().Height, zoom, client.cy));
}

void GraphicsWindow::OnScrollBar(int bar, WORD code) {
  if (!scroll_.Move(Window(), bar, code, kLineStep)) return;
  UpdateScrollBars();
  InvalidateRect(Window(), nullptr, FALSE);
}

bool GraphicsWindow::Zoom(unsigned command) {
  if (command < 299 || command > 305) return false;
  const SIZE client = ClientSize(Window());
  const ZoomRatio before = ZoomOf(zoom_), after = ZoomOf(command);
  scroll_.Left = KeepCentre(scroll_.Left, client.cx, Shown().Width, before, after);
  scroll_.Top = KeepCentre(scroll_.Top, client.cy, Shown().Height, before, after);
  zoom_ = command;
  UpdateScrollBars();
  UpdateStatus();
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool GraphicsWindow::Turn(unsigned command) {
  for (Picture& frame : document_.Frames) {  // every frame, so that Play shows them alike
    if (command == kFlip)
      FlipTopToBottom(frame);
    else if (command == kReverse)
      ReverseLeftToRight(frame);
    else if (!RotateClockwise(frame))
      return false;
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
  SetTimer(Window(), kPlayTimer,
           static_cast<UINT>(std::max(document_.DelaysMs[static_cast<size_t>(frame_)], 20)),
           nullptr);
  return true;
}

void GraphicsWindow::NextFrame() {
  frame_ = (frame_ + 1) % static_cast<int>(document_.Frames.size());
  page_ = frame_;
  SetTimer(Window(), kPlayTimer,
           static_cast<UINT>(std::max(document_.DelaysMs[static_cast<size_t>(frame_)], 20)),
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
    const int pageWidth = GetDeviceCaps(job.Dc(), HORZRES),
              pageHeight = GetDeviceCaps(job.Dc(), VERTRES);
    const double scale = std::min(static_cast<double>(pageWidth) / picture.Width,
                                  static_cast<double>(pageHeight) / picture.Height);
    const int width = static_cast<int>(picture.Width * scale),
              height = static_cast<int>(picture.Height * scale);
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
    case WM_KEYDOWN: {
      if (document_.Frames.empty()) return false;
      int bar;
      WORD code;
      if (!ScrollRequest(msg, wParam, &bar, &code)) return false;
      OnScrollBar(bar, code);
      return true;
    }
    case WM_SIZE:
      if (!document_.Frames.empty()) UpdateScrollBars();
      return false;
    case WM_TIMER:
      if (wParam != kPlayTimer || !playing_) return false;
      NextFrame();
      return true;
    case WM_ERASEBKGND: *result = 1; return true;
  }
  return false;
}

void GraphicsWindow::Paint(HDC dc, const RECT& area) {
  if (document_.Frames.empty()) return ViewerWindow::Paint(dc, area);
  const SIZE client = ClientSize(Window());
  RenderView(Shown(), ZoomOf(zoom_), scroll_.Left, scroll_.Top, client.cx, client.cy,
             AsPixel(AskBackColor(Window())), view_);
  if (!view_.empty()) DrawPixels(dc, 0, 0, client.cx, client.cy, view_.data());
}
