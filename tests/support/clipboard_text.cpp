#include "tests/support/clipboard_text.h"

#include <windows.h>

#include "tests/support/window_polling.h"

namespace {
bool Open() {
  return WaitFor([] { return OpenClipboard(nullptr) != FALSE; });
}
}  // namespace

void EmptyTheClipboard() {
  if (!Open()) return;
  EmptyClipboard();
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  if (!Open()) return "(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}
