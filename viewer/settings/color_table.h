// The colour table: the eleven screen colours and the nine print shades,
// kept together so that the colour and shade dialogs can edit a copy of the
// whole table and commit it at once.
#pragma once
#include <array>
#include <cstdint>

// Colour references in the platform's layout: 0x00BBGGRR.
constexpr int kColorCount = 20;
using ColorTable = std::array<uint32_t, kColorCount>;

// Screen colours (0..10) and print shades (11..19).
enum ColorIndex : int {
  CLR_TEXT = 0,
  CLR_TEXT_BGND = 1,
  CLR_TAG = 2,
  CLR_TAG_BGND = 3,
  CLR_TITLE = 4,
  CLR_TITLE_BGND = 5,
  CLR_MESSAGE = 6,
  CLR_MESSAGE_BGND = 7,
  CLR_INFO = 8,
  CLR_INFO_BGND = 9,
  CLR_WINDOW_BGND = 10,
  CLR_FIRST_SHADE = 11,
  CLR_LAST_SHADE = 19,
};

// ResetColors' group arguments.
constexpr int kAllScreenColors = -1;
constexpr int kAllPrintShades = -2;

constexpr char kColorsSection[] = "Tarvo Colors";

extern ColorTable gColors;

// The system colours that screen defaults follow.
enum SystemColor : int {
  SYS_WINDOW_TEXT,
  SYS_WINDOW,
  SYS_HIGHLIGHT_TEXT,
  SYS_HIGHLIGHT,
  SYS_MENU_TEXT,
  SYS_MENU,
  SYS_APP_WORKSPACE,
};
// Asked each time a default is taken, so defaults follow the system's
// current colours. Without a lookup fixed classic colours are used.
using SystemColorLookup = uint32_t (*)(SystemColor which);
void SetSystemColorLookup(SystemColorLookup lookup);

// The default of one entry, read now.
uint32_t DefaultColor(int index);
// which: kAllScreenColors, kAllPrintShades or one index 0..19. False for any
// other value (nothing changes). Without a table, gColors.
bool ResetColors(int which, ColorTable& table);
bool ResetColors(int which);

// The name of a screen colour (0..10) as the colour dialog lists it.
const char* ColorName(int index);

void ReadColors(const char* section);
void ReadPrintShades(const char* section);
// Write the entries that differ from their defaults and delete the keys of
// the others. Nothing is written to a read-only profile (false).
bool SaveColors(const char* section);
bool SavePrintShades(const char* section);

// Shades: 0 (white) .. 8 (black), held as grey colour references.
uint32_t ShadeToGrey(int shade);
int GreyToShade(uint32_t color);
