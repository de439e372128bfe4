#include "tests/support/display_fixture.h"

#include <cstring>

#include "tests/support/main_window_fixture.h"
#include "tests/support/window_polling.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/open_file.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
void WriteLines(LineTable& table, TextArena& arena, const std::vector<TestLine>& lines,
                int32_t end) {
  arena.Tend = 0;
  int i = 0;
  for (const TestLine& l : lines) {
    int32_t n = static_cast<int32_t>(std::strlen(l.Text));
    std::memcpy(arena.Base + arena.Tend, l.Text, n);
    table.Entries[i] = LineEntry{l.Offset, arena.Tend, n, 0, l.Flags};
    arena.Tend += n;
    ++i;
  }
  table.Entries[i] = LineEntry{end, arena.Tend, -1, 0, 0};
  table.Afirst = table.Acur = 0;
  table.Alast = static_cast<int16_t>(i);
}
}  // namespace

void SetTestLines(const std::vector<TestLine>& lines, int32_t fileLength) {
  ViewLock lock;
  WriteLines(gLines, gText, lines, fileLength);
  gFile.Flen = fileLength;
}

void SetTestTitles(const std::vector<const char*>& titles) {
  TitleLock lock;
  std::vector<TestLine> lines;
  for (const char* t : titles) lines.push_back({t, 0, 0});
  WriteLines(gTitles, gTitleText, lines, 0);
}

Canvas::Canvas(HWND hwnd) : width_(gView.ClientWidth), height_(gView.ClientHeight) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width_;
  bi.bmiHeader.biHeight = -height_;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  RECT all{0, 0, width_, height_};
  HBRUSH fill = CreateSolidBrush(kUnpainted);
  FillRect(dc_, &all, fill);
  DeleteObject(fill);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  GdiFlush();
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Canvas::At(int x, int y) const {
  uint32_t p = bits_[y * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Canvas::CountInRow(int top, int height, COLORREF color) const {
  int n = 0;
  for (int y = top; y < top + height && y < height_; ++y)
    for (int x = 0; x < width_; ++x) n += At(x, y) == color;
  return n;
}

HWND CreateTestWindow(MemoryProfile* profile, int width, int height) {
  PumpMessages();
  SetProfileStore(profile);
  ResetViewerRecords();
  gViewOptions.Window = {0, 0, width, height};
  return CreateViewerWindow();
}

void DestroyTestWindow(HWND hwnd) {
  DestroyWindow(hwnd);
  gFile = FileRef{};
  PumpMessages();
}

void SetClientWidth(HWND hwnd, int width) {
  for (int i = 0; i < 4; ++i) {
    RECT client, window;
    GetClientRect(hwnd, &client);
    if (client.right == width) return;
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + width - client.right,
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
  }
}
