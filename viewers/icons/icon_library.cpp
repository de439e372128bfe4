// ZRI32.DLL: the icon viewer. Its window shows every image of an icon or
// cursor file side by side on the window's background with its size under
// it, zooms them, scrolls when they do not fit, copies the largest image
// and prints them all on one page.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/text_copy.h"
#include "viewers/base/viewer_class.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/base/viewer_print.h"
#include "viewers/base/viewer_scroll.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/graphics/picture_dib.h"
#include "viewers/icons/icon_drawing.h"

namespace {
constexpr DecodeLimits kIconLimits{4096LL * 4096LL};
constexpr int kScrollStep = 16;
constexpr int kScreenDpi = 96;  // a pixel at 1X is about a 96th of an inch on paper too

class IconWindow : public ViewerWindow {
 public:
  explicit IconWindow(HWND window) : ViewerWindow(window) {}

  bool Open(const char* path, int, bool) override {
    ByteSource file(path);
    if (!file.IsOpen()) return false;
    IconFile icons = ReadIconFile(file, kIconLimits);
    if (icons.Images.empty()) return false;
    icons_ = std::move(icons);
    CopyText(path_, path);
    SetStatus(IconStatus(icons_).c_str());
    if (selected_) ReportSelection(Window(), false);
    selected_ = false;
    scroll_ = {0, 0};
    Relayout();
    return true;
  }

  bool Zoom(unsigned command) override {
    const int quarters = ZoomQuarters(command);
    if (!quarters) return false;
    quarters_ = quarters;
    Relayout();
    return true;
  }

  bool SelectAll() override {
    if (icons_.Images.empty()) return false;
    selected_ = true;
    ReportSelection(Window(), true);
    InvalidateRect(Window(), nullptr, FALSE);
    return true;
  }

  // The largest image as it is shown at 1X, on the window's background.
  bool Copy() override {
    if (icons_.Images.empty()) return false;
    const Picture& largest = icons_.Images[LargestImage(icons_.Images)].Image;
    return CopyPictureToClipboard(Window(),
                                 ShownPixels(largest, 4, PixelOfColour(AskBackColor(Window()))));
  }

  // Every image on one page, as large as the zoom for the printer's
  // resolution allows within the page's width.
  bool Print(const PRINTDLGA* record) override {
    if (icons_.Images.empty()) return false;
    const char* slash = std::strrchr(path_, '\\');
    return RunPrintJob(*this, record, slash ? slash + 1 : path_, [&](PrintJob& job) {
      HDC dc = job.Dc();
      const int pageWidth = GetDeviceCaps(dc, HORZRES);
      int quarters = std::max(1, 4 * GetDeviceCaps(dc, LOGPIXELSX) / kScreenDpi);
      std::vector<IconCell> cells;
      while (PlaceIcons(dc, icons_.Images, quarters, cells).Width > pageWidth && quarters > 1)
        --quarters;
      const RECT page = {0, 0, pageWidth, GetDeviceCaps(dc, VERTRES)};
      DrawIcons(dc, icons_.Images, cells, quarters, {0, 0}, page,
                {RGB(255, 255, 255), RGB(0, 0, 0)}, -1);
      return true;
    });
  }

  void Paint(HDC dc, const RECT& area) override {
    ViewerWindow::Paint(dc, area);
    const int selected = selected_ ? static_cast<int>(LargestImage(icons_.Images)) : -1;
    DrawIcons(dc, icons_.Images, cells_, quarters_, {-scroll_.x, -scroll_.y}, area,
              {AskBackColor(Window()), AskTextColor(Window())}, selected);
  }

  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) override {
    switch (msg) {
      case WM_SIZE: UpdateScrollBars(); break;
      case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam)); break;
      case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam)); break;
      case WM_KEYDOWN: return OnKey(static_cast<int>(wParam), result);
      default: return false;
    }
    *result = 0;
    return true;
  }

 private:
  void Relayout() {
    HDC dc = GetDC(Window());
    extent_ = PlaceIcons(dc, icons_.Images, quarters_, cells_);
    ReleaseDC(Window(), dc);
    UpdateScrollBars();
    InvalidateRect(Window(), nullptr, FALSE);
  }

  // The scroll bars show while the images do not fit; hiding one changes
  // the client area, which comes back here through WM_SIZE.
  void UpdateScrollBars() {
    RECT client;
    GetClientRect(Window(), &client);
    const int maxX = std::max<int>(0, extent_.Width - client.right);
    const int maxY = std::max<int>(0, extent_.Height - client.bottom);
    scroll_ = {std::min<LONG>(scroll_.x, maxX), std::min<LONG>(scroll_.y, maxY)};
    SetScrollRange(Window(), SB_HORZ, 0, maxX, FALSE);
    SetScrollPos(Window(), SB_HORZ, scroll_.x, TRUE);
    SetScrollRange(Window(), SB_VERT, 0, maxY, FALSE);
    SetScrollPos(Window(), SB_VERT, scroll_.y, TRUE);
  }

  void Scroll(int bar, int code) {
    RECT client;
    GetClientRect(Window(), &client);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(Window(), bar, &info);
    LONG& pos = bar == SB_HORZ ? scroll_.x : scroll_.y;
    int64_t to;
    if (!ScrollBarTarget(Window(), bar, static_cast<WORD>(code), pos, kScrollStep,
                         bar == SB_HORZ ? client.right : client.bottom, &to))
      return;
    pos = static_cast<LONG>(std::clamp<int64_t>(to, 0, info.nMax));
    SetScrollPos(Window(), bar, pos, TRUE);
    InvalidateRect(Window(), nullptr, FALSE);
  }

  // Home and End go to the sides; the other keys scroll as in every viewer.
  bool OnKey(int key, LRESULT* result) {
    int bar;
    WORD code;
    if (!ScrollRequest(WM_KEYDOWN, static_cast<WPARAM>(key), &bar, &code)) return false;
    if (code == SB_TOP || code == SB_BOTTOM) bar = SB_HORZ;
    Scroll(bar, code);
    *result = 0;
    return true;
  }

  IconFile icons_;
  char path_[MAX_PATH] = "";
  int quarters_ = 4;  // 1X
  bool selected_ = false;
  std::vector<IconCell> cells_;
  IconExtent extent_;
  POINT scroll_{0, 0};
};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<IconWindow>(dll, reason, kIconLibrary.WindowClass);
}
