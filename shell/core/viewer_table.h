// The viewer types: for each, the window class its viewer library registers,
// the library file, and the menu of the viewer window.
#pragma once
#include <array>

constexpr int kViewerTypeCount = 31;
constexpr int kTypeText = 0;
constexpr int kTypeHex = 1;
constexpr int kTypeGraphics = 2;
constexpr int kTypeRichText = 30;

struct ViewerRow {
  const char* WindowClass;
  const char* Library;
  const char* Menu;  // nullptr: the window keeps the menu it has
};

extern const std::array<ViewerRow, kViewerTypeCount> ViewerTable;

// True for the libraries this suite ships. The others are not written yet:
// a file of their types is reported as needing a missing library and shown
// by the text viewer.
bool LibraryShipped(const char* library);
