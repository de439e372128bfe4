#include "viewers/base/viewer_class.h"

bool RegisterViewerClass(HINSTANCE dll, const char* className, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = sizeof(LONG);  // the ViewerWindow pointer
  wc.hInstance = dll;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = className;
  return RegisterClassA(&wc) != 0;
}
