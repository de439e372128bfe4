// ZRH32.DLL: the hex dump viewer. Its class "ZRXHEX" is registered for the
// whole application while the library is loaded; the window is the shared
// line view with the hex dump formatter, hex-digit find and Go To.
#include <windows.h>

#include "viewer/buffer/format_flags.h"
#include "viewers/common/line_view.h"

namespace {
constexpr char kClassName[] = "ZRXHEX";

constexpr LineViewKind kHexKind{.Format = FORMAT_HEX, .CanGoTo = true, .FindsHexDigits = true};

LRESULT CALLBACK HexViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return LineViewProc(hwnd, msg, wParam, lParam, kHexKind);
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) return RegisterLineViewClass(dll, kClassName, HexViewProc);
  if (reason == DLL_PROCESS_DETACH) UnregisterClassA(kClassName, dll);
  return TRUE;
}
