// Copying the selected lines as they are shown, CR LF between lines, to the
// clipboard. The lines are formatted again block by block from the file;
// a selection whose text would pass kCopyLimitBytes is cut there, and a
// message box says so, rather than asking for gigabytes.
#include <cstring>
#include <string>

#include "viewers/common/line_view_parts.h"
#include "viewers/common/walk_storage.h"

namespace {
constexpr size_t kCopyLimitBytes = 4 * 1024 * 1024;

// The selection's text; false when it was cut at the limit.
bool SelectedText(const LineView& v, std::string& text) {
  WalkStorage storage;
  bool complete = true;
  bool first = true;
  WalkFormattedLines(v.File, v.SelStart, v.SelEnd, FormatOf(v, LineLengthOf(v)), storage.Blocks(),
                     [&](const LineEntry&, std::string_view line) {
                       if (text.size() + line.size() + 2 > kCopyLimitBytes) {
                         complete = false;
                         return false;
                       }
                       if (!first) text += "\r\n";
                       first = false;
                       text += line;
                       return true;
                     });
  return complete;
}

bool PutOnClipboard(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}
}  // namespace

void CopySelection(LineView& v) {
  if (!v.Open || !HasSelection(v)) return;
  std::string text;
  bool complete = SelectedText(v, text);
  if (!PutOnClipboard(v.Window, text)) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  if (!complete)
    MessageBoxA(v.Window,
                "The selection is too large for the clipboard: only its first 4 MB were copied.",
                "Copy", MB_OK | MB_ICONINFORMATION);
}
