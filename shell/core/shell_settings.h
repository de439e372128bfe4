// The shell's settings file ZR.INI, and the one flag it shares with the
// launcher in KPLAUNCH.INI, as records read and written through a profile
// store. Numbers are written as exactly five digits ("00001"); the key
// names and sections are those every earlier shell wrote.
#pragma once
#include "common/profile_store.h"
#include "common/screen_rect.h"

constexpr int kIconCaptionChars = 79;
constexpr int kFontFaceChars = 31;

// The flags of section "viewer" read at start-up and on request.
struct ShellFlags {
  bool AutoTop = true, AutoOpen = true, SaveIconPos = true, HideIcon = false, Visible = false;
  char IconCaption[kIconCaptionChars + 1] = "";
};

// The viewer font every viewer library shares, section "fonts".
struct SharedFontSettings {
  int Points = 8;
  int Height = 0;    // the character height for the display, from Points
  int Weight = 400;  // FW_NORMAL
  bool Italic = false;
  int CharSet = 0;
  char FaceName[kFontFaceChars + 1] = "Courier";
};

// What the shell keeps at exit.
struct ShellExitSettings {
  ShellFlags Flags;
  bool WordWrap = false;
  SharedFontSettings Font;
  // The icon's place, kept when it is shown and its place is to be saved.
  bool KeepIconPlace = false;
  int IconLeft = 0, IconTop = 0;
};

// A number of section "viewer": def when the key is missing or empty.
int ReadViewerNumber(ProfileStore& ini, const char* key, int def);

// Reads the launcher's "autoview" and writes it back, so that the key exists.
int TouchLauncherAutoView(ProfileStore& launcher);
// Reads the flags (the icon caption defaults to appTitle), writing each back
// so that every key exists after the first run.
ShellFlags ReadShellFlags(ProfileStore& ini, const char* appTitle);
// The font, its height made from the points for a display of dpiY pixels
// per inch.
SharedFontSettings ReadSharedFontSettings(ProfileStore& ini, int dpiY);
// The Settings dialog's three shared choices: AutoView lives in the
// launcher's file, where the launcher reads it too.
struct SettingsChoices {
  bool AutoView = false, AutoOpen = false, AutoTop = false;
};
// As the dialog opens: each 0 when its key is missing.
SettingsChoices ReadSettingsChoices(ProfileStore& ini, ProfileStore& launcher);
// As the dialog's OK keeps them, with the icon's caption and whether the
// icon is hidden.
void WriteSettingsChoices(ProfileStore& ini, ProfileStore& launcher, const SettingsChoices& choices,
                          const ShellFlags& flags);
// DefaultViewerRect.
ScreenRect ReadViewerRect(ProfileStore& ini);

// The last viewer window closing: "maximized", and its rectangle when it is
// given (neither maximised nor minimised).
void SaveViewerPlacement(ProfileStore& ini, bool maximized, const ScreenRect* normal);
void SaveShellSettings(ProfileStore& ini, const ShellExitSettings& settings);
