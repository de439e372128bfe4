// The state of one line view window, allocated when it is created and
// freed when it is destroyed: several windows may use a library at once.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/line_table.h"

// What differs from one library's view to the other's.
struct LineViewKind {
  int Format = 0;               // index of the formatter (FORMAT_TEXT, FORMAT_HEX)
  uint32_t Flags = 0;           // format flags besides word wrap
  bool CanWrap = false;         // word wrap applies
  bool CanZoom = false;         // zoom commands scale the font
  bool CanGoTo = false;         // Go To takes a byte offset
  bool FindsHexDigits = false;  // find texts are hex digits, always matched exactly
};

struct LineView {
  HWND Window = nullptr;
  LineViewKind Kind;
  FileRef File;  // the path is kept; the file is opened only per operation
  std::vector<LineEntry> Entries = std::vector<LineEntry>(kLineTableEntries);
  std::vector<char> Characters = std::vector<char>(kTextArenaBlockBytes);
  LineTable Table;
  TextArena Arena;
  bool Open = false;
  bool Wrap = false;
  int Zoom = 1;         // times the shared font's height
  LOGFONTA BaseFont{};  // the shared font before zooming
  HFONT Font = nullptr;
  int LineHeight = 16;
  int CharWidth = 8;
  int LinesPerScreen = 1;
  int Columns = 80;
  int HScroll = 0;  // columns scrolled off to the left
  // The selected lines as a range of file offsets; -1 when none.
  FileOffset SelStart = -1;
  FileOffset SelEnd = -1;
  FileOffset AnchorStart = -1;  // the line where a mouse selection began
  FileOffset AnchorEnd = -1;
  bool Dragging = false;
  bool SelectionReported = false;  // what the parent was last told
  FileOffset FindFrom = 0;
  const char* ModeWord = nullptr;  // the library's word for the status text
  char Status[96] = "";
};

inline bool HasSelection(const LineView& v) { return v.SelStart >= 0 && v.SelEnd > v.SelStart; }
