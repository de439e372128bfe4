#include "viewers/tests/painted.h"

#include <algorithm>

Painted::Painted(HWND child) {
  GetClientRect(child, &area_);
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, area_.right, area_.bottom);
  ReleaseDC(nullptr, screen);
  old_ = SelectObject(dc_, bitmap_);
  SendMessageA(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
}

Painted::~Painted() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

bool Painted::Near(int x, int y, COLORREF colour) const {
  for (int d = -3; d <= 3; ++d)
    if (At(x + d, y) == colour || At(x, y + d) == colour) return true;
  return false;
}

int Painted::Count(COLORREF colour, int* widest) const {
  int count = 0;
  *widest = 0;
  for (int y = 0; y < area_.bottom; ++y) {
    int run = 0;
    for (int x = 0; x < area_.right; ++x) {
      run = At(x, y) == colour ? run + 1 : 0;
      count += run > 0;
      *widest = std::max(*widest, run);
    }
  }
  return count;
}
