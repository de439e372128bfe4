// The buttons of the viewer windows' button bar as section "mainbuttons" of
// ZR.INI keeps them: "num" entries, each key "button%d" a number whose low
// seven bits are the command (0 a gap) and whose upper bits are the
// keyboard accelerator. The shell reads them; the toolbar library writes
// them after the user has edited the bar.
#pragma once
#include <span>
#include <vector>

#include "common/profile_store.h"

constexpr char kButtonSection[] = "mainbuttons";
constexpr int kDefaultButtonCount = 13;
constexpr int kButtonCommandCount = 19;  // commands 1-19 can be buttons

// An accelerator: bits 0-4 the letter (1 = A ... 26 = Z), bit 5 set for
// Ctrl + letter, clear for Alt + letter; 0 for none.
constexpr int kCtrlAccelerator = 0x20;
constexpr int kAcceleratorLetterMask = 0x1F;

struct ButtonSetting {
  int Code = 0;         // command 1-19; 0 a gap
  int Accelerator = 0;  // as above
  bool operator==(const ButtonSetting&) const = default;
};

// A stored value as a button; an accelerator without a letter is none.
ButtonSetting DecodeButtonValue(int value);
int EncodeButtonValue(const ButtonSetting& button);
// The value of key "button%d" (n from 1) when the key is missing.
int DefaultButtonValue(int n);

// "num" and every "button%d" of the section; an empty list when "num" is
// not a count of buttons.
std::vector<ButtonSetting> ReadButtonSettings(ProfileStore& ini);
// "num" and one five-digit "button%d" per entry, in section (the toolbar
// library is told which).
bool WriteButtonSettings(ProfileStore& ini, const char* section,
                         std::span<const ButtonSetting> buttons);

// The letter (1 = A ... 26 = Z) of a character typed with Alt or Ctrl; 0
// for a character that is no letter.
int AcceleratorLetter(int character);
// The first button whose accelerator is that letter with Ctrl (which must
// run a command) or with Alt; -1 when none is.
int ButtonForKey(std::span<const ButtonSetting> buttons, int letter, bool ctrl);

// The commands offered for buttons, in the order the toolbar library lists
// them, ending in 0.
std::span<const int> OfferedButtonCommands();
