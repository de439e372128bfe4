#include "viewer/settings/color_table.h"

#include <cstdio>

#include "viewer/settings/program_profile.h"
#include "viewer/settings/view_options.h"

ColorTable gColors;

namespace {
SystemColorLookup gLookup = nullptr;

constexpr const char* kKeys[kColorCount] = {
    "WindowText",  "WindowBgnd",  "TagText",     "TagBgnd",     "HeadingText",
    "HeadingBgnd", "MessageText", "MessageBgnd", "CommentText", "CommentBgnd",
    "Background",  "PrintText",   "PrintTextB",  "PrintTag",    "PrintTagB",
    "PrintHead",   "PrintHeadB",  "PrintCmnt",   "PrintCmntB",  "PrintBgnd",
};

// The order in which the keys are read and written.
constexpr int kScreenOrder[] = {CLR_MESSAGE_BGND, CLR_MESSAGE, CLR_TAG_BGND,   CLR_TAG,
                                CLR_WINDOW_BGND,  CLR_TITLE,   CLR_TITLE_BGND, CLR_TEXT_BGND,
                                CLR_TEXT,         CLR_INFO,    CLR_INFO_BGND};
constexpr int kShadeOrder[] = {11, 12, 13, 14, 15, 16, 17, 18, 19};

constexpr int kDefaultShades[9] = {8, 0, 8, 2, 8, 1, 0, 8, 1};

// Used when no platform lookup is bound (the classic Windows colours).
uint32_t ClassicColor(SystemColor which) {
  switch (which) {
    case SYS_WINDOW_TEXT: return 0x000000;
    case SYS_WINDOW: return 0xFFFFFF;
    case SYS_HIGHLIGHT_TEXT: return 0xFFFFFF;
    case SYS_HIGHLIGHT: return 0x800000;
    case SYS_MENU_TEXT: return 0x000000;
    case SYS_MENU: return 0xC0C0C0;
    case SYS_APP_WORKSPACE: return 0x808080;
  }
  return 0;
}

uint32_t System(SystemColor which) { return gLookup ? gLookup(which) : ClassicColor(which); }

template <size_t N>
void ReadGroup(const char* section, const int (&order)[N]) {
  for (int index : order) {
    char def[24], text[513];
    std::snprintf(def, sizeof def, "%ld",
                  static_cast<long>(static_cast<int32_t>(DefaultColor(index))));
    Profile().GetString(section, kKeys[index], def, text, sizeof text);
    gColors[index] = static_cast<uint32_t>(ParseProfileNumber(text));
  }
}

template <size_t N>
bool SaveGroup(const char* section, const int (&order)[N]) {
  if (gSetupSettings.ProfileReadOnly) return false;
  bool ok = true;
  for (int index : order) {
    if (gColors[index] == DefaultColor(index)) {
      ok = Profile().WriteString(section, kKeys[index], nullptr) && ok;
    } else {
      char text[24];
      std::snprintf(text, sizeof text, "%ld",
                    static_cast<long>(static_cast<int32_t>(gColors[index])));
      ok = Profile().WriteString(section, kKeys[index], text) && ok;
    }
  }
  return ok;
}
}  // namespace

void SetSystemColorLookup(SystemColorLookup lookup) { gLookup = lookup; }

uint32_t DefaultColor(int index) {
  switch (index) {
    case CLR_TEXT: return System(SYS_WINDOW_TEXT);
    case CLR_TEXT_BGND: return System(SYS_WINDOW);
    case CLR_TAG: return System(SYS_HIGHLIGHT_TEXT);
    case CLR_TAG_BGND: return System(SYS_HIGHLIGHT);
    case CLR_TITLE: return System(SYS_MENU_TEXT);
    case CLR_TITLE_BGND: return System(SYS_MENU);
    case CLR_MESSAGE: return 0x000000;
    case CLR_MESSAGE_BGND: return 0x0000FF;
    case CLR_INFO: return 0x000000;
    case CLR_INFO_BGND: return 0x00FF00;
    case CLR_WINDOW_BGND: return System(SYS_APP_WORKSPACE);
    default: break;
  }
  if (index >= CLR_FIRST_SHADE && index <= CLR_LAST_SHADE)
    return ShadeToGrey(kDefaultShades[index - CLR_FIRST_SHADE]);
  return 0;
}

bool ResetColors(int which, ColorTable& table) {
  if (which == kAllScreenColors) {
    for (int i = 0; i < CLR_FIRST_SHADE; ++i) table[i] = DefaultColor(i);
  } else if (which == kAllPrintShades) {
    for (int i = CLR_FIRST_SHADE; i <= CLR_LAST_SHADE; ++i) table[i] = DefaultColor(i);
  } else if (which >= 0 && which < kColorCount) {
    table[which] = DefaultColor(which);
  } else {
    return false;
  }
  return true;
}

bool ResetColors(int which) { return ResetColors(which, gColors); }

const char* ColorName(int index) {
  static constexpr const char* kNames[CLR_FIRST_SHADE] = {
      "Text line",        "Text background",        "Tagged line",       "Tagged background",
      "Title line",       "Title background",       "Error message",     "Error background",
      "Information text", "Information background", "Window background",
  };
  return index >= 0 && index < CLR_FIRST_SHADE ? kNames[index] : "";
}

void ReadColors(const char* section) { ReadGroup(section, kScreenOrder); }
void ReadPrintShades(const char* section) { ReadGroup(section, kShadeOrder); }
bool SaveColors(const char* section) { return SaveGroup(section, kScreenOrder); }
bool SavePrintShades(const char* section) { return SaveGroup(section, kShadeOrder); }

uint32_t ShadeToGrey(int shade) {
  if (shade < 0) shade = 0;
  if (shade > 8) shade = 8;
  uint32_t g = static_cast<uint32_t>((8 - shade) * 32);
  if (g > 255) g = 255;
  return g * 0x010101u;
}

int GreyToShade(uint32_t color) { return (256 - static_cast<int>(color & 0xFF)) / 32; }
