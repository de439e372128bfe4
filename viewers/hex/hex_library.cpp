// ZRH32.DLL: the hex dump viewer. Its window is the shared line view with
// the hex dump formatter, hex-digit find and Go To.
#include <windows.h>

#include "viewer/buffer/format_flags.h"
#include "viewers/base/viewer_class.h"
#include "viewers/common/line_view.h"
#include "viewers/contract/viewer_names.h"

namespace {
constexpr LineViewKind kHexKind{.Format = FORMAT_HEX, .CanGoTo = true, .FindsHexDigits = true};

class HexWindow : public LineViewWindow {
 public:
  explicit HexWindow(HWND window) : LineViewWindow(window, kHexKind) {}
};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<HexWindow>(dll, reason, kHexLibrary.WindowClass);
}
