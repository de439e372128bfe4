// The wait cursor while a long command runs: shown at once and made the
// window's class cursor, so that moving the mouse keeps it; both are put
// back when the object goes.
#pragma once
#include <windows.h>

class WaitCursor {
 public:
  explicit WaitCursor(HWND hwnd);
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HWND hwnd_;
  HCURSOR classCursor_, previous_;
};
