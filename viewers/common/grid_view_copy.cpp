// Copying the selection to the clipboard as tab-separated text: whole rows
// under the heading line, a block of cells alone. A selection whose text
// would pass kCopyLimitBytes is cut there, and a message box says so.
#include <cstring>

#include "viewers/common/grid_view.h"

namespace {
constexpr size_t kCopyLimitBytes = 32 * 1024 * 1024;

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

bool PutOnClipboard(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboardSoon(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}
}  // namespace

bool GridViewWindow::Copy() {
  if (!source_ || !selected_) return false;
  bool complete = true;
  const std::string text =
      selection_.FirstColumn == 0
          ? GridRowsText(*source_, selection_.FirstRow, selection_.LastRow, kCopyLimitBytes,
                         &complete)
          : GridCellsText(*source_, selection_, kCopyLimitBytes, &complete);
  if (!PutOnClipboard(Window(), text)) {
    MessageBeep(MB_ICONEXCLAMATION);
    return false;
  }
  if (!complete)
    MessageBoxA(Window(),
                "The selection is too large for the clipboard: only its first 32 MB were copied.",
                "Copy", MB_OK | MB_ICONINFORMATION);
  return true;
}
