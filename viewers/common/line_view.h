// The line view the viewer libraries share: a child window of the shell's
// viewer window that shows a file of any size line by line through the
// portable line buffer, never loading it whole. Each library registers its
// own class and hands its messages to LineViewProc with the kind of view
// it shows.
#pragma once
#include <windows.h>

#include <cstdint>

// What differs from one library's view to the other's.
struct LineViewKind {
  int Format = 0;               // index of the formatter (FORMAT_TEXT, FORMAT_HEX)
  uint32_t Flags = 0;           // format flags besides word wrap
  bool CanWrap = false;         // ZV_WORDWRAP and the wrap bit of ZV_OPEN apply
  bool CanZoom = false;         // ZV_ZOOM scales the font
  bool CanGoTo = false;         // ZV_GOTO takes a byte offset
  bool FindsHexDigits = false;  // ZV_FIND's text is hex digits, always matched exactly
};

// Window bytes the class must reserve: the line view's state pointer, then
// one pointer for the library's own state.
constexpr int kLineViewWindowBytes = 2 * sizeof(LONG);
constexpr int kLibraryStateIndex = sizeof(LONG);

// The window procedure body: every message of the kind's view, 0 for the
// viewer messages it does not support.
LRESULT LineViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const LineViewKind& kind);

// Registers an application-global class of the calling DLL whose windows
// have kLineViewWindowBytes of window bytes.
bool RegisterLineViewClass(HINSTANCE dll, const char* className, WNDPROC proc);
