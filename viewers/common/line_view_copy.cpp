// Copying the selected lines as they are shown, CR LF between lines, to the
// clipboard. The lines are formatted again block by block from the file;
// a selection whose text would pass kCopyLimitBytes is cut there, and a
// message box says so, rather than asking for gigabytes.
#include <cstring>
#include <string>
#include <utility>

#include "viewer/buffer/format_flags.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/common/walk_storage.h"

namespace {
constexpr size_t kCopyLimitBytes = 4 * 1024 * 1024;

// The selection's text (UTF-16 units, two bytes each, when wide); false
// when it was cut at the limit.
bool SelectedText(const LineView& v, bool wide, std::string& text) {
  WalkStorage storage;
  bool complete = true;
  bool first = true;
  const std::string_view lineEnd = wide ? std::string_view("\r\0\n\0", 4) : "\r\n";
  WalkFormattedLines(v.File, v.SelStart, v.SelEnd, FormatOf(v, LineLengthOf(v)), storage.Blocks(),
                     [&](const LineEntry&, std::string_view line) {
                       if (text.size() + line.size() + lineEnd.size() > kCopyLimitBytes) {
                         complete = false;
                         return false;
                       }
                       if (!first) text += lineEnd;
                       first = false;
                       text += line;
                       return true;
                     });
  return complete;
}

HGLOBAL BlockOf(const void* data, size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), data, bytes);
  GlobalUnlock(memory);
  return memory;
}

// Unicode text goes as CF_UNICODETEXT with its CF_TEXT beside it (Windows 95
// makes none of its own).
bool PutOnClipboard(HWND owner, std::string text, bool wide) {
  text.append(wide ? 2 : 1, '\0');
  HGLOBAL memory = BlockOf(text.data(), text.size());
  HGLOBAL ansi = nullptr;
  if (wide) {
    const wchar_t* units = reinterpret_cast<const wchar_t*>(text.data());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, units, -1, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, units, -1, converted.data(), bytes, nullptr, nullptr);
    ansi = BlockOf(converted.data(), converted.size());
  }
  bool placed = false;
  if (memory && OpenClipboard(owner)) {
    EmptyClipboard();
    if (SetClipboardData(wide ? CF_UNICODETEXT : CF_TEXT, memory)) placed = true, memory = nullptr;
    if (ansi && SetClipboardData(CF_TEXT, ansi)) ansi = nullptr;
    CloseClipboard();
  }
  if (memory) GlobalFree(memory);
  if (ansi) GlobalFree(ansi);
  return placed;
}
}  // namespace

void CopySelection(LineView& v) {
  if (!v.Open || !HasSelection(v)) return;
  std::string text;
  const LineFormat format = FormatOf(v, LineLengthOf(v));
  const bool wide = FormatsWide(format.Format, format.Flags);
  bool complete = SelectedText(v, wide, text);
  if (!PutOnClipboard(v.Window, std::move(text), wide)) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  if (!complete)
    MessageBoxA(v.Window,
                "The selection is too large for the clipboard: only its first 4 MB were copied.",
                "Copy", MB_OK | MB_ICONINFORMATION);
}
