#include "shell/core/shell_settings.h"

#include "common/font_height.h"

namespace {

const char kViewer[] = "viewer";
const char kFonts[] = "fonts";

// As the platform's integer read: the default for a missing or empty value.
int ReadNumber(ProfileStore& ini, const char* section, const char* key, int def) {
  char text[32];
  ini.GetString(section, key, "", text, sizeof text);
  return text[0] ? ParseProfileInt(text) : def;
}

bool ReadFlag(ProfileStore& ini, const char* key, bool def) {
  const bool value = ReadNumber(ini, kViewer, key, def) != 0;
  ini.WriteFiveDigits(kViewer, key, value);
  return value;
}

}  // namespace

int ReadViewerNumber(ProfileStore& ini, const char* key, int def) {
  return ReadNumber(ini, kViewer, key, def);
}

int TouchLauncherAutoView(ProfileStore& launcher) {
  const int autoView = ReadNumber(launcher, "auto", "autoview", 0);
  launcher.WriteFiveDigits("auto", "autoview", autoView);
  return autoView;
}

ShellFlags ReadShellFlags(ProfileStore& ini, const char* appTitle) {
  ShellFlags flags;
  flags.AutoTop = ReadFlag(ini, "autotop", true);
  flags.AutoOpen = ReadFlag(ini, "autoopen", true);
  flags.SaveIconPos = ReadFlag(ini, "saveiconpos", true);
  flags.HideIcon = ReadFlag(ini, "hideicon", false);
  ini.GetString(kViewer, "iconcaption", appTitle, flags.IconCaption, sizeof flags.IconCaption);
  ini.WriteString(kViewer, "iconcaption", flags.IconCaption);
  flags.Visible = ReadFlag(ini, "visible", false);
  return flags;
}

SharedFontSettings ReadSharedFontSettings(ProfileStore& ini, int dpiY) {
  SharedFontSettings font;
  font.Points = ReadNumber(ini, kFonts, "points", font.Points);
  font.Height = PointsToHeightTruncated(font.Points, dpiY);
  font.Weight = ReadNumber(ini, kFonts, "weight", font.Weight);
  font.Italic = ReadNumber(ini, kFonts, "italic", 0) != 0;
  font.CharSet = ReadNumber(ini, kFonts, "charset", 0);
  ini.GetString(kFonts, "facename", "Courier", font.FaceName, sizeof font.FaceName);
  return font;
}

SettingsChoices ReadSettingsChoices(ProfileStore& ini, ProfileStore& launcher) {
  return {ReadNumber(launcher, "auto", "autoview", 0) != 0,
          ReadViewerNumber(ini, "autoopen", 0) != 0, ReadViewerNumber(ini, "autotop", 0) != 0};
}

void WriteSettingsChoices(ProfileStore& ini, ProfileStore& launcher, const SettingsChoices& choices,
                          const ShellFlags& flags) {
  launcher.WriteFiveDigits("auto", "autoview", choices.AutoView);
  ini.WriteFiveDigits(kViewer, "autoopen", choices.AutoOpen);
  ini.WriteFiveDigits(kViewer, "autotop", choices.AutoTop);
  ini.WriteString(kViewer, "iconcaption", flags.IconCaption);
  ini.WriteFiveDigits(kViewer, "hideicon", flags.HideIcon);
}

ScreenRect ReadViewerRect(ProfileStore& ini) {
  return {ReadViewerNumber(ini, "left", 35), ReadViewerNumber(ini, "top", 49),
          ReadViewerNumber(ini, "right", 425), ReadViewerNumber(ini, "bottom", 409)};
}

void SaveViewerPlacement(ProfileStore& ini, bool maximized, const ScreenRect* normal) {
  ini.WriteFiveDigits(kViewer, "maximized", maximized);
  if (!normal) return;
  ini.WriteFiveDigits(kViewer, "left", normal->Left);
  ini.WriteFiveDigits(kViewer, "top", normal->Top);
  ini.WriteFiveDigits(kViewer, "right", normal->Right);
  ini.WriteFiveDigits(kViewer, "bottom", normal->Bottom);
}

void SaveShellSettings(ProfileStore& ini, const ShellExitSettings& s) {
  ini.WriteFiveDigits(kViewer, "saveiconpos", s.Flags.SaveIconPos);
  ini.WriteFiveDigits(kViewer, "hideicon", s.Flags.HideIcon);
  if (s.KeepIconPlace) {
    ini.WriteFiveDigits(kViewer, "iconleft", s.IconLeft);
    ini.WriteFiveDigits(kViewer, "icontop", s.IconTop);
  }
  ini.WriteFiveDigits(kViewer, "visible", s.Flags.Visible);
  ini.WriteString(kViewer, "iconcaption", s.Flags.IconCaption);
  ini.WriteFiveDigits(kViewer, "wordwrap", s.WordWrap);
  ini.WriteFiveDigits(kFonts, "italic", s.Font.Italic);
  ini.WriteFiveDigits(kFonts, "points", s.Font.Points);
  ini.WriteFiveDigits(kFonts, "charset", s.Font.CharSet);
  ini.WriteFiveDigits(kFonts, "weight", s.Font.Weight);
  ini.WriteString(kFonts, "facename", s.Font.FaceName);
}
