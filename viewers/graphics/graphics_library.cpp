// ZRG32.DLL, the graphics viewer library: pictures of every common kind.
#include <windows.h>

#include "viewers/base/viewer_class.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/graphics/graphics_window.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<GraphicsWindow>(dll, reason, kGraphicsLibrary.WindowClass);
}
