// The viewer types and all the shell knows of each: the window class its
// viewer library registers and the library file, the menu of the viewer
// window (with what it offers), the go-to dialog, and whether it is the text
// viewer or an archive.
#pragma once
#include <array>

#include "shell/core/viewer_menus.h"

constexpr int kViewerTypeCount = 31;

// The types detection decides; a library receives the number with the file.
constexpr int kTypeText = 0;  // plain text, and the fallback
constexpr int kTypeHex = 1;
constexpr int kTypeGraphics = 2;  // raster images, and non-text files nothing else claims
constexpr int kTypeIcon = 3;
constexpr int kTypeWordPro = 4;  // 9B A5 / DB A5 / 94 A6 family
constexpr int kTypeWpcVersion0 = 5;
constexpr int kTypeSam = 6;
constexpr int kTypeDbf = 7;
constexpr int kTypeDb = 8;
constexpr int kTypeWk = 9;
constexpr int kTypeXlOlder = 10;
constexpr int kTypeWk3 = 11;  // WK3, WK4
constexpr int kTypeZip = 12;  // and EXE by name
constexpr int kTypeLzh = 13;
constexpr int kTypeNotebook = 14;  // WB1, WB2
constexpr int kTypeSound = 15;     // WAV, RMI, AVI, MID
constexpr int kTypeWmf = 16;
constexpr int kTypeTbwp = 17;
constexpr int kTypeQw = 18;
constexpr int kTypeWps = 19;
constexpr int kTypeWdb = 20;
constexpr int kTypeVectorDrawing = 21;
constexpr int kTypeWpcVersion2 = 22;
constexpr int kTypeWksFF = 23;    // WKS starting FF
constexpr int kTypeXlNewer = 24;  // newer record layout or compound document
constexpr int kTypeWdbCompound = 25;
constexpr int kTypeBeDocument = 26;  // BE 00 00 00 AB at bytes 1-5
constexpr int kTypeDwg = 27;         // no rule yields it, the number is kept
constexpr int kTypeTrueType = 28;
constexpr int kTypeCompound = 29;  // other compound documents
constexpr int kTypeRichText = 30;

// The dialog of the GoTo command.
enum class GoToDialog { None, HexOffset, Record, Cell };

struct ViewerRow {
  const char* WindowClass;
  const char* Library;
  const ViewerMenu* Menu;
  GoToDialog GoTo = GoToDialog::None;
  bool ShowsText = false;  // the text viewer: Edit, Save As and printing by itself
  bool IsArchive = false;  // Copy needs no selection
  bool KeepsZoom = false;  // a new file is not reset to 1X
  // The type shown instead when the viewer declines the file; -1: none, the
  // file cannot be shown.
  int Fallback = 0;
};

extern const std::array<ViewerRow, kViewerTypeCount> ViewerTable;

// The row of a type; the text viewer's for a number out of range.
const ViewerRow& RowOfType(int type);

// The View item ticked: the type menu's, except that the text viewer ticks
// Edit while editing.
int TickedViewItem(const ViewerRow& row, bool editing);
