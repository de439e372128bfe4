// ZRFLT32.DLL, the drawing viewer library: metafiles, HPGL plotter files
// and DXF drawings.
#include <windows.h>

#include "viewers/base/viewer_class.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/drawings/drawing_window.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<DrawingWindow>(dll, reason, kFilterLibrary.WindowClass);
}
