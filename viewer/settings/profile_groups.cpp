#include "viewer/settings/profile_groups.h"

#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/page_setup.h"
#include "viewer/settings/print_setup.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/recent_lists.h"
#include "viewer/settings/titles_profile.h"
#include "viewer/settings/view_options.h"

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

int ClampCode(int v) { return (v >= 0 && v <= 2) ? v : 3; }
int ClampCharCode(int v) { return (v >= CODE_UTF8 && v <= CODE_UTF16BE) ? v : ClampCode(v); }

void ReadDisplayOptions(const char* section) {
  ViewOptions& vo = gViewOptions;
  ProfileStore& p = Profile();
  char text[513];
  for (int i = 0; i < 3; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "Options%d", i);
    if (p.GetString(section, key, "", text, sizeof text) > 0)
      vo.FormatFlags[i] = static_cast<uint32_t>(ParseProfileNumber(text));
  }
  vo.FormatFlags[0] |= FMT_FORM_FEEDS;

  vo.Format = ClampCode(p.GetInt(section, "Format", 0));
  vo.CurrentFlags = vo.FormatFlags[vo.Format];
  vo.CharCode = ClampCharCode(p.GetInt(section, "CharCode", 0));
  // A profile that chose a code before detection existed keeps it.
  const bool codeSet = p.GetString(section, "CharCode", "", text, sizeof text) > 0;
  vo.DetectCode = p.GetInt(section, "DetectCode", codeSet ? 0 : 1) != 0;
  vo.LineLength = p.GetInt(section, "LineLength", 127);
  if (vo.LineLength < 8) vo.LineLength = 8;
  vo.TabLength = Clamp(p.GetInt(section, "TabLength", 8), 1, 255);
  vo.VertScroll =
      static_cast<int8_t>(Clamp(static_cast<int8_t>(p.GetInt(section, "VertScroll", 2)), 0, 2));
  vo.HorzScroll =
      static_cast<int8_t>(Clamp(static_cast<int8_t>(p.GetInt(section, "HorzScroll", 0)), 0, 2));

  p.GetString(section, "Font", "Courier New,10", text, sizeof text);
  std::string_view font(text);
  size_t comma = font.find(',');
  CopyText(vo.FontName, font.substr(0, comma));
  if (comma != std::string_view::npos && comma + 1 < font.size())
    vo.FontSize = ParseProfileInt(text + comma + 1);
  vo.FontSize = Clamp(vo.FontSize, 1, 240);
  vo.FontWeight = Clamp(p.GetInt(section, "FontWeight", 0), 0, 900);
  vo.FontItalic = static_cast<uint8_t>(p.GetInt(section, "FontItalic", 0));
  vo.FontDetail = FontDetails{};  // what a font dialog chose is not in the profile

  vo.EscExit = p.GetInt(section, "EscExit", 0);
  vo.SavePos = p.GetInt(section, "SavePos", 0);
  vo.FreezeColumns = p.GetInt(section, "FreezeColumns", 0);
  ApplyCharCode();
}

void ReadWindowPos(const char* section) {
  char def[64], text[128];
  std::snprintf(def, sizeof def, "%d,%d,%d,%d", kUseDefault, kUseDefault, kUseDefault, kUseDefault);
  Profile().GetString(section, "WindowPos", def, text, sizeof text);
  int32_t values[4] = {0, 0, 0, 0};  // top, left, height, width
  const char* p = text;
  for (int i = 0; i < 4 && p; ++i) {
    values[i] = ParseProfileInt(p);
    p = std::strchr(p, ',');
    if (p) ++p;
  }
  WindowPos& w = gViewOptions.Window;
  w.Top = values[0];
  w.Left = values[1];
  w.Height = values[2];
  w.Width = values[3];
}

}  // namespace

void ReadSetupSettings() {
  SetupSettings& s = gSetupSettings;
  ProfileStore& p = Profile();
  struct Key {
    const char* name;
    int* value;
  } keys[] = {
      {"DiagMode", &s.DiagMode},
      {"MruFiles", &s.MruFiles},
      {"MruSearch", &s.MruSearch},
      {"CuaKeyboard", &s.CuaKeyboard},
      {"ShowMessages", &s.ShowMessages},
      {"PrintMessages", &s.PrintMessages},
      {"FastMouseDelay", &s.FastMouseDelay},
      {"FastMouseLines", &s.FastMouseLines},
      {"SlowMouseDelay", &s.SlowMouseDelay},
      {"SlowMouseLines", &s.SlowMouseLines},
      {"PageIndexingDelay", &s.PageIndexingDelay},
      {"PageIndexingBuffer", &s.PageIndexingBuffer},
      {"PadLineLength", &s.PadLineLength},
      {"PadPageLength", &s.PadPageLength},
      {"ShowPageGap", &s.ShowPageGap},
  };
  for (const Key& k : keys) *k.value = p.GetInt(kSetupSection, k.name, *k.value);
  if (s.FastMouseDelay < 1) s.FastMouseDelay = 1;
  if (s.FastMouseLines < 0) s.FastMouseLines = 0;
  if (s.SlowMouseDelay < 1) s.SlowMouseDelay = 1;
  if (s.SlowMouseLines < 0) s.SlowMouseLines = 0;
  if (s.PageIndexingDelay < 1) s.PageIndexingDelay = 1;
  if (s.PageIndexingBuffer < 1) s.PageIndexingBuffer = 1;

  s.Follow = p.GetInt(kSetupSection, "Follow", s.Follow);
  s.FollowDelay = p.GetInt(kSetupSection, "FollowDelay", s.FollowDelay);
  if (s.FollowDelay < 1) s.FollowDelay = 1;
}

void LoadProfileGroups(const char* section, int mask, LineTable* titles, TextArena* titleText) {
  if (mask & SAVE_PAGE_SETUP) ReadPageSetup(section);
  if (mask & SAVE_PRINT_SETUP) LoadPrintSetup(section);
  if (mask & SAVE_FORMAT) ReadDisplayOptions(section);
  if (mask & SAVE_WINDOW_POS) ReadWindowPos(section);
  if (mask & SAVE_MRU_FILES) ReadRecentFiles();
  if (mask & SAVE_COLORS) ReadColors(section);
  if (mask & SAVE_PRINT_SHADES) ReadPrintShades(section);
  if ((mask & SAVE_TITLES) && titles && titleText) ReadTitles(section, titles, titleText);
}

void LoadProfile() {
  LoadProfileGroups(kMainSection, SAVE_FORMAT | SAVE_MRU_FILES | SAVE_WINDOW_POS);
  ReadColors(kColorsSection);
  ReadPrintShades(kColorsSection);
  LoadPrintSetup(kPrintSetupSection);
  ReadPageSetup(kPageSetupSection);
}

bool SaveViewOptions(const char* section, const ScreenRect* window) {
  if (gSetupSettings.ProfileReadOnly) return false;
  const ViewOptions& vo = gViewOptions;
  ProfileStore& p = Profile();
  for (int i = 0; i < 3; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "Options%d", i);
    p.WriteInt(section, key, vo.FormatFlags[i]);
  }
  p.WriteInt(section, "Format", vo.Format);
  p.WriteInt(section, "CharCode", vo.CharCode);
  p.WriteInt(section, "LineLength", vo.LineLength);
  p.WriteInt(section, "TabLength", vo.TabLength);
  p.WriteInt(section, "VertScroll", vo.VertScroll);
  p.WriteInt(section, "HorzScroll", vo.HorzScroll);
  p.WriteInt(section, "EscExit", vo.EscExit);
  p.WriteInt(section, "SavePos", vo.SavePos);
  char text[64];
  std::snprintf(text, sizeof text, "%s,%d", vo.FontName, vo.FontSize);
  p.WriteString(section, "Font", text);
  p.WriteInt(section, "FontWeight", vo.FontWeight);
  p.WriteInt(section, "FontItalic", vo.FontItalic);
  p.WriteInt(section, "FreezeColumns", vo.FreezeColumns);
  p.WriteInt(section, "DetectCode", vo.DetectCode);
  if (vo.SavePos && window) {
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", window->Top, window->Left,
                  window->Bottom - window->Top, window->Right - window->Left);
    p.WriteString(section, "WindowPos", text);
  }
  return true;
}

void ApplyCharCode(ViewOptions& vo) {
  const uint32_t code = CodeFlagBits(vo.CharCode);
  for (int i = 0; i < 3; ++i) vo.FormatFlags[i] = (vo.FormatFlags[i] & ~FMT_CODE_MASK) | code;
  vo.CurrentFlags = (vo.CurrentFlags & ~FMT_CODE_MASK) | code;
}

void ApplySwitches(const char switches[26]) {
  ViewOptions& vo = gViewOptions;
  auto sw = [&](char letter) { return switches[letter - 'A']; };
  const struct {
    char letter;
    uint32_t bit;
  } flagSwitches[] = {{'W', FMT_WRAP},
                      {'O', FMT_SWITCH_O},
                      {'B', FMT_SHOW_BACKGROUND},
                      {'E', FMT_EXPAND_TABS},
                      {'L', FMT_FIXED_LENGTH}};
  for (const auto& f : flagSwitches) {
    char c = sw(f.letter);
    if (c >= 'A' && c <= 'Z') vo.CurrentFlags |= f.bit;
    if (c >= 'a' && c <= 'z') vo.CurrentFlags &= ~f.bit;
  }
  if (sw('A')) {
    vo.CharCode = CODE_ASCII;
    ApplyCharCode();
  }
  if (sw('C')) {
    vo.CharCode = CODE_EBCDIC;
    ApplyCharCode();
  }
  // U, I and K name a Unicode code (UTF-8, UTF-16 in Intel and in big-endian
  // byte order); the code named stays, so files are no longer tested for one.
  const struct {
    char letter;
    CharCode code;
  } unicodeSwitches[] = {{'U', CODE_UTF8}, {'I', CODE_UTF16LE}, {'K', CODE_UTF16BE}};
  for (const auto& u : unicodeSwitches) {
    if (!sw(u.letter)) continue;
    vo.CharCode = u.code;
    vo.DetectCode = 0;
    ApplyCharCode();
  }
  if (sw('T')) vo.Format = FORMAT_TEXT;
  if (sw('H')) vo.Format = FORMAT_HEX;
  if (sw('R')) vo.Format = FORMAT_RAW;
  if (sw('Y')) vo.EscExit = 1;
  char s = sw('S');
  if (s) {
    int on = (s >= 'A' && s <= 'Z') ? 1 : 0;
    gSetupSettings.MruFiles = on;
    gSetupSettings.MruSearch = on;
  }
}
