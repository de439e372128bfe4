#include "viewer/app/copy_selection.h"

#include <cstring>

#include "viewer/services/ui_seam.h"
#include "viewer/buffer/read_block.h"

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

void Fail(HWND hwnd, const char* text) {
  char title[128] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  ReportMessage(hwnd, text, title, MB_OK | MB_ICONHAND);
}
}  // namespace

int CopySelection(HWND hwnd, int32_t start, int32_t end, const FileRef& file, Formatter formatter,
                  uint32_t flags, int32_t lineLength, int32_t tabLength) {
  if (start >= file.Flen) return 0;
  if (start < 0) start = 0;
  if (end < 0) end = file.Flen;
  CopyBlocks blocks;
  if (!blocks.Allocate()) {
    Fail(hwnd, "Cannot allocate buffers!");
    return 0;
  }
  auto* entries = static_cast<LineEntry*>(blocks.data[0]);
  char* clip = static_cast<char*>(blocks.data[3]);
  int32_t used = 0;
  int32_t stopAt = end > start + 1 ? end : start + 1;

  FileRef reader = file;
  LineArray lines{entries, kCopyLines, 0};
  int taken = 0;
  int32_t next = start;  // where the next pass starts
  for (;;) {
    if (taken >= lines.Count) {
      if (next >= reader.Flen) break;
      reader.Fcur = next;
      ReadWindow window;
      ReadBuffer buffer{static_cast<uint8_t*>(blocks.data[2]), kReadBlockBytes, 0};
      uint16_t read = ReadBlock(reader, buffer, window);
      if (read & ST_FAILED) {
        Fail(hwnd, "File read error");
        break;
      }
      lines = LineArray{entries, kCopyLines, 0};
      TextBuffer text{static_cast<char*>(blocks.data[1]), kCopyTextBytes, 0};
      if (formatter(window, lines, text, next, FORMAT_FORWARD, flags, lineLength, tabLength) &
          ST_FAILED) {
        Fail(hwnd, "Program error");
        break;
      }
      // A last line that ran into the end of a block which is not the end of
      // the file is only a piece: the next pass reads it again from its start.
      int32_t blockEnd = next + window.Size - window.Position;
      if (!(read & ST_EOF) && lines.Count > 1 && entries[lines.Count].Offset >= blockEnd)
        --lines.Count;
      taken = 0;
      if (lines.Count == 0 || entries[lines.Count].Offset <= next) break;  // no progress
      next = entries[lines.Count].Offset;
    }
    const LineEntry& line = entries[taken++];
    int32_t room = kClipboardBytes - used - 3;
    int32_t n = line.Length < room ? line.Length : room;
    if (n > 0) std::memcpy(clip + used, static_cast<char*>(blocks.data[1]) + line.TextOffset, n);
    used += n > 0 ? n : 0;
    std::memcpy(clip + used, "\r\n", 3);
    used += 2;
    if (used >= kClipboardBytes - 3 || entries[taken].Offset >= stopAt) break;
  }

  GlobalUnlock(blocks.handles[3]);
  blocks.data[3] = nullptr;
  HGLOBAL shrunk = GlobalReAlloc(blocks.handles[3], used + 1, GMEM_MOVEABLE);
  if (shrunk) blocks.handles[3] = shrunk;
  if (OpenClipboard(hwnd)) {
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, blocks.handles[3]))
      blocks.handles[3] = nullptr;  // the clipboard owns it
    CloseClipboard();
  }
  return 1;
}
