#include "viewers/base/viewer_class.h"

#include "win32/window_class.h"

bool RegisterViewerClass(HINSTANCE dll, const char* className, WNDPROC proc) {
  WNDCLASSA wc = WindowClass(className, proc, dll);
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.cbWndExtra = sizeof(LONG);  // the ViewerWindow pointer
  return RegisterWindowClass(wc);
}
