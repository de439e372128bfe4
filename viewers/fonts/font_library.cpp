// ZRTTF32.DLL, the font viewer library: a TrueType font shown from its own
// tables and drawn by its own rasteriser, never installed in the system.
#include <windows.h>

#include "viewers/base/viewer_class.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/fonts/font_window.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<FontWindow>(dll, reason, kFontLibrary.WindowClass);
}
