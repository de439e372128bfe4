#include "viewer/settings/system_colors_win32.h"

#include <windows.h>

#include "viewer/settings/color_table.h"

namespace {
uint32_t SystemColorOf(SystemColor which) {
  static constexpr int kIndex[] = {COLOR_WINDOWTEXT,  COLOR_WINDOW,   COLOR_HIGHLIGHTTEXT,
                                   COLOR_HIGHLIGHT,   COLOR_MENUTEXT, COLOR_MENU,
                                   COLOR_APPWORKSPACE};
  return GetSysColor(kIndex[which]);
}
}  // namespace

void BindSystemColors() { SetSystemColorLookup(SystemColorOf); }
