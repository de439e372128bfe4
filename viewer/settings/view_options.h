// The display options record, the start-up settings and the recent lists:
// the process-wide working copy of what the profile file keeps.
#pragma once
#include <cstdint>

#include "common/font_height.h"
#include "common/screen_rect.h"
#include "viewer/buffer/format_flags.h"

// Profile group mask (also stored as "SaveOptions").
constexpr int SAVE_FORMAT = 0x1;
constexpr int SAVE_TITLES = 0x2;
constexpr int SAVE_PAGE_SETUP = 0x4;
constexpr int SAVE_PRINT_SETUP = 0x8;
constexpr int SAVE_MRU_FILES = 0x10;
constexpr int SAVE_WINDOW_POS = 0x20;
constexpr int SAVE_COLORS = 0x100;
constexpr int SAVE_PRINT_SHADES = 0x200;

constexpr int32_t kUseDefault = static_cast<int32_t>(0x80000000);  // CW_USEDEFAULT
constexpr int kFontNameChars = 31;

struct WindowPos {
  int32_t Left = kUseDefault;
  int32_t Top = 0;
  int32_t Width = kUseDefault;
  int32_t Height = 0;
};

// The logical-font fields besides face, size, weight and italic, in the
// platform's layout and values, so that a font chosen in the font dialog is
// created again as chosen (character set, underline, pitch and the rest).
constexpr uint8_t kDefaultCharSet = 1;             // DEFAULT_CHARSET
constexpr uint8_t kFixedPitchModern = 0x1 | 0x30;  // FIXED_PITCH | FF_MODERN
struct FontDetails {
  int32_t Width = 0;
  int32_t Escapement = 0;
  int32_t Orientation = 0;
  uint8_t Underline = 0;
  uint8_t StrikeOut = 0;
  uint8_t CharSet = kDefaultCharSet;  // the profile names only the face
  uint8_t OutPrecision = 0;
  uint8_t ClipPrecision = 0;
  uint8_t Quality = 0;
  // Columns must line up: when the face is missing the mapper picks another fixed font.
  uint8_t PitchAndFamily = kFixedPitchModern;
};

// The view font's character height (negative) for a point size at `dpiY`
// pixels per inch, on the screen and on the printer; sizes below 1 count as 10.
inline int PointSizeToHeight(int pointSize, int dpiY) {
  return PointsToHeightRounded(pointSize < 1 ? 10 : pointSize, dpiY);
}

struct ViewOptions {
  int Format = FORMAT_TEXT;
  int CharCode = CODE_ANSI;
  int DetectCode = 1;  // a file's byte-order mark or bytes choose its Unicode code
  uint32_t FormatFlags[4] = {0x60, 0x3, 0x41, 0};
  uint32_t CurrentFlags = 0x60;
  int LineLength = 256;
  int TabLength = 8;
  int8_t VertScroll = 2;
  int8_t HorzScroll = 2;
  int EscExit = 0;
  int SavePos = 0;
  int FreezeColumns = 0;
  char FontName[kFontNameChars + 1] = "Courier New";
  int FontSize = 10;
  int FontWeight = 0;
  uint8_t FontItalic = 0;
  FontDetails FontDetail;
  WindowPos Window;
};

constexpr int kProfilePathChars = 259;

struct SetupSettings {
  int DiagMode = 0;
  int MruFiles = 1;
  int MruSearch = 1;
  int CuaKeyboard = 0;
  int ShowMessages = 1;
  int PrintMessages = 1;
  int FastMouseDelay = 2;
  int FastMouseLines = 10;
  int SlowMouseDelay = 10;
  int SlowMouseLines = 1;
  int PageIndexingDelay = 200;
  int PageIndexingBuffer = 8192;
  int PadLineLength = 0;
  int PadPageLength = 0;
  int ShowPageGap = 0;
  // Following a growing file: on at start-up, and the period of its look.
  int Follow = 0;
  int FollowDelay = 500;
  char ProfilePath[kProfilePathChars + 1] = "TARVO.INI";
  bool ProfileReadOnly = false;
};

// Recent lists, most recent first.
constexpr int kRecentFileSlots = 4;
constexpr int kRecentFileSlotSize = 256;
constexpr int kRecentSearchSlots = 10;
constexpr int kRecentSearchSlotSize = 33;

struct RecentLists {
  char Files[kRecentFileSlots][kRecentFileSlotSize] = {};
  int FileCount = 0;
  char Texts[kRecentSearchSlots][kRecentSearchSlotSize] = {};
  int TextCount = -1;  // -1: not loaded in this run
  char Hex[kRecentSearchSlots][kRecentSearchSlotSize] = {};
  int HexCount = -1;
};

// The process-wide records.
extern ViewOptions gViewOptions;
extern SetupSettings gSetupSettings;
extern RecentLists gRecent;
