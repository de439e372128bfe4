#include "viewer/app/copy_selection.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_walk.h"
#include "viewer/buffer/read_block.h"
#include "viewer/services/ui_seam.h"

namespace {
constexpr int32_t kCopyLines = 32760;
constexpr int32_t kCopyTextBytes = 65530;

// The four movable blocks of one copy, locked while it runs.
struct CopyBlocks {
  HGLOBAL handles[4] = {};
  void* data[4] = {};
  bool Allocate() {
    const SIZE_T sizes[4] = {kCopyLines * sizeof(LineEntry), kCopyTextBytes, kReadBlockBytes,
                             kClipboardBytes};
    for (int i = 0; i < 4; ++i) {
      handles[i] = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizes[i]);
      data[i] = handles[i] ? GlobalLock(handles[i]) : nullptr;
      if (!data[i]) return false;
    }
    return true;
  }
  // Frees every block but those handed over (set to nullptr).
  ~CopyBlocks() {
    for (int i = 0; i < 4; ++i) {
      if (!handles[i]) continue;
      if (data[i]) GlobalUnlock(handles[i]);
      GlobalFree(handles[i]);
    }
  }
};

// The system code page's form of the UTF-16 text in block (NUL-ended).
HGLOBAL AnsiCopyOf(HGLOBAL block) {
  const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(block));
  if (!units) return nullptr;
  const int bytes = WideCharToMultiByte(CP_ACP, 0, units, -1, nullptr, 0, nullptr, nullptr);
  HGLOBAL ansi = bytes > 0 ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
  char* text = ansi ? static_cast<char*>(GlobalLock(ansi)) : nullptr;
  if (text) {
    WideCharToMultiByte(CP_ACP, 0, units, -1, text, bytes, nullptr, nullptr);
    GlobalUnlock(ansi);
  }
  GlobalUnlock(block);
  return ansi;
}

void Fail(HWND hwnd, const char* text) {
  char title[128] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  ReportMessage(hwnd, text, title, MB_OK | MB_ICONHAND);
}
}  // namespace

int CopySelection(HWND hwnd, FileOffset start, FileOffset end, const FileRef& file,
                  Formatter formatter, uint32_t flags, int32_t lineLength, int32_t tabLength) {
  if (start >= file.Flen) return 0;
  CopyBlocks blocks;
  if (!blocks.Allocate()) {
    Fail(hwnd, "Cannot allocate buffers!");
    return 0;
  }
  char* clip = static_cast<char*>(blocks.data[3]);
  // Lines in a Unicode code are copied as UTF-16 units, two bytes each.
  const bool wide = FormatsWide(formatter, flags);
  const int32_t unit = wide ? 2 : 1;
  const char* lineEnd = wide ? reinterpret_cast<const char*>(L"\r\n") : "\r\n";
  int32_t used = 0, lines = 0;
  bool cut = false;  // the selection did not fit the block
  // Each line with CR LF and a NUL after it, the text cut where the block
  // fills.
  auto append = [&](const LineEntry&, std::string_view text) {
    const int32_t room = kClipboardBytes - used - 3 * unit;
    if (room <= 0) return !(cut = true);
    int32_t n = std::min(static_cast<int32_t>(text.size()), room) / unit * unit;
    cut = n < static_cast<int32_t>(text.size());
    if (n > 0) std::memcpy(clip + used, text.data(), n);
    used += std::max(n, 0);
    std::memcpy(clip + used, lineEnd, 3 * unit);
    used += 2 * unit;
    ++lines;
    return !cut;
  };
  WalkBlocks walk;
  walk.Read = static_cast<uint8_t*>(blocks.data[2]);
  walk.ReadBytes = kReadBlockBytes;
  walk.Lines = static_cast<LineEntry*>(blocks.data[0]);
  walk.LineSlots = kCopyLines;
  walk.Text = static_cast<char*>(blocks.data[1]);
  walk.TextBytes = kCopyTextBytes;
  switch (WalkFormattedLines(file, start, end, {formatter, flags, lineLength, tabLength}, walk,
                             append)) {
    case WALK_READ_FAILED: Fail(hwnd, "File read error"); break;
    case WALK_FORMAT_FAILED: Fail(hwnd, "Program error"); break;
    case WALK_DONE: break;
  }

  GlobalUnlock(blocks.handles[3]);
  blocks.data[3] = nullptr;
  HGLOBAL shrunk = GlobalReAlloc(blocks.handles[3], used + unit, GMEM_MOVEABLE);
  if (shrunk) blocks.handles[3] = shrunk;
  // Windows 95 makes no CF_TEXT of its own from CF_UNICODETEXT.
  HGLOBAL ansi = wide ? AnsiCopyOf(blocks.handles[3]) : nullptr;
  if (OpenClipboard(hwnd)) {
    EmptyClipboard();
    if (SetClipboardData(wide ? CF_UNICODETEXT : CF_TEXT, blocks.handles[3]))
      blocks.handles[3] = nullptr;  // the clipboard owns it
    if (ansi && SetClipboardData(CF_TEXT, ansi)) ansi = nullptr;
    CloseClipboard();
  }
  if (ansi) GlobalFree(ansi);
  if (cut) {
    // Nobody should paste half a selection believing it whole.
    char text[160];
    std::snprintf(text, sizeof text,
                  "The selection is larger than the clipboard takes: only its first %ld lines "
                  "(%ld bytes) were copied.",
                  static_cast<long>(lines), static_cast<long>(used));
    ReportMessage(hwnd, text, "Tarvo", MB_OK | MB_ICONINFORMATION);
  }
  return 1;
}
