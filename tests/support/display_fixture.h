// Helpers of the display tests: a main window in a controlled profile,
// hand-filled line and title tables, and painting into a memory bitmap.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/memory_profile.h"

struct TestLine {
  const char* Text;
  int32_t Offset;
  int32_t Flags = 0;
};

// Fills the main view's table from entry 0 and ends it at fileLength.
void SetTestLines(const std::vector<TestLine>& lines, int32_t fileLength);
void SetTestTitles(const std::vector<const char*>& titles);

// A 32-bit top-down bitmap of the client size painted by WM_PRINTCLIENT.
class Canvas {
 public:
  explicit Canvas(HWND hwnd);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  COLORREF At(int x, int y) const;
  // How many pixels of one row of text rows (line-height high) have color.
  int CountInRow(int top, int height, COLORREF color) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_;
};

constexpr COLORREF kUnpainted = RGB(0x12, 0x34, 0x56);

// Creates the main window (client about width x height) with a fresh
// profile; the test's colours are in gColors.
HWND CreateTestWindow(MemoryProfile* profile, int width, int height);
void DestroyTestWindow(HWND hwnd);
// Resizes the window so its client area is exactly width pixels wide.
void SetClientWidth(HWND hwnd, int width);
