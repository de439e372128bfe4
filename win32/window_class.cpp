#include "win32/window_class.h"

WNDCLASSA WindowClass(const char* name, WNDPROC proc, HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return wc;
}

bool RegisterWindowClass(const WNDCLASSA& wc) {
  WNDCLASSA existing = {};
  if (GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing)) return true;
  return RegisterClassA(&wc) != 0;
}
