// What a library's window paints, through WM_PRINTCLIENT into a memory
// bitmap as large as its client area, read back pixel by pixel.
#pragma once
#include <windows.h>

class Painted {
 public:
  explicit Painted(HWND child);
  int Width() const { return area_.right; }
  int Height() const { return area_.bottom; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // Whether colour is within three pixels of (x, y) across or down a line.
  bool Near(int x, int y, COLORREF colour) const;
  // Pixels of the colour in the window, and the widest run of them in a row.
  int Count(COLORREF colour, int* widest) const;
  ~Painted();
  Painted(const Painted&) = delete;
  Painted& operator=(const Painted&) = delete;

 private:
  RECT area_{};
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};
