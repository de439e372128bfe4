#include "viewer/services/wait_cursor.h"

WaitCursor::WaitCursor(HWND hwnd) : hwnd_(hwnd) {
  HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  classCursor_ = reinterpret_cast<HCURSOR>(
      SetClassLongPtrA(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(wait)));
  previous_ = SetCursor(wait);
}

WaitCursor::~WaitCursor() {
  SetClassLongPtrA(hwnd_, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(classCursor_));
  SetCursor(previous_);
}
