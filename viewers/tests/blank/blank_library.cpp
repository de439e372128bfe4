// ZRBLANK.DLL: a blank window that opens any readable file and otherwise
// answers every message as the library base does. Its Play fails, so that
// the tests see the base turn a library's fault into a refusal.
#include <windows.h>

#include <stdexcept>

#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_class.h"

namespace {
class BlankWindow : public ViewerWindow {
 public:
  explicit BlankWindow(HWND window) : ViewerWindow(window) {}

  bool Open(const char* path, int, bool) override {
    FileHandle f = Files().Open(path);
    if (f == kNoFile) return false;
    Files().Close(f);
    return true;
  }
  bool Play() override { throw std::runtime_error("nothing to play"); }
};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<BlankWindow>(dll, reason, "ZRXBLANK");
}
