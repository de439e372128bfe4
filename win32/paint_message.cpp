#include "win32/paint_message.h"

LRESULT OnPaintMessage(HWND window, UINT message, WPARAM wParam, PaintContentFunction paint) {
  if (message == WM_PRINTCLIENT) {
    RECT client;
    GetClientRect(window, &client);
    paint(window, reinterpret_cast<HDC>(wParam), client);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  paint(window, dc, ps.rcPaint);
  EndPaint(window, &ps);
  return 0;
}
