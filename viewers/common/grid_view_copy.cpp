// Copying the selection to the clipboard as tab-separated text: whole rows
// under the heading line, a block of cells alone. A selection whose text
// would pass kCopyLimitBytes is cut there, and a message box says so.
#include "viewers/base/viewer_clipboard.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr size_t kCopyLimitBytes = 32 * 1024 * 1024;
}  // namespace

bool GridViewWindow::Copy() {
  if (!source_ || !selected_) return false;
  bool complete = true;
  const std::string text =
      selection_.FirstColumn == 0
          ? GridRowsText(*source_, selection_.FirstRow, selection_.LastRow, kCopyLimitBytes,
                         &complete)
          : GridCellsText(*source_, selection_, kCopyLimitBytes, &complete);
  if (!PutTextOnClipboard(Window(), text)) {
    MessageBeep(MB_ICONEXCLAMATION);
    return false;
  }
  if (!complete)
    MessageBoxA(Window(),
                "The selection is too large for the clipboard: only its first 32 MB were copied.",
                "Copy", MB_OK | MB_ICONINFORMATION);
  return true;
}
