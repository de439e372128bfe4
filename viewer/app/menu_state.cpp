// Enabling, checking and the recent-files entries of the main menu, set each
// time a pop-up opens.
#include <cstdio>

#include "viewer/app/app_state.h"
#include "viewer/app/main_window.h"
#include "viewer/app/view_state.h"
#include "viewer/common/text_copy.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"

namespace {
// Commands whose subsystem is not part of this build yet: always greyed.
constexpr int kUnbuilt[] = {
    IDM_PRINT,        IDM_PRINT_PAGE,   IDM_PRINT_TAGS,    IDM_PAGE_SETUP,    IDM_PRINT_SETUP,
    IDM_IGNORE_DDE,   IDM_COPY,         IDM_SELECT_ALL,    IDM_UNSELECT,      IDM_FIND_TEXT,
    IDM_FIND_HEX,     IDM_FIND_NEXT,    IDM_GOTO,          IDM_TEXT,          IDM_HEX,
    IDM_RAW,          IDM_WRAP,         IDM_OPTIONS,       IDM_FONT,          IDM_COLOR,         IDM_SAVE_OPTIONS,
    IDM_SAVE_SETUP,   IDM_LOAD_SETUP,   IDM_MARK_TOGGLE,   IDM_MARK_SET,      IDM_MARK_RESET,
    IDM_UNMARK_ALL,   IDM_MARK_NEXT,    IDM_FREEZE_TITLE,  IDM_CLEAR_TITLE,   IDM_FREEZE_COLUMNS,
    IDM_CLEAR_COLUMNS, IDM_HELP_CONTENTS, IDM_HELP_KEYBOARD, IDM_HELP_ON_HELP, IDM_ABOUT,
};

void Enable(HMENU menu, int id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void Check(HMENU menu, int id, bool on) { CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)); }

void RebuildRecentFiles(HMENU file) {
  for (int id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
  for (int i = 0; i < kRecentFileSlots && gRecent.Files[i][0]; ++i) {
    char text[kRecentFileSlotSize + 8];
    std::string_view name = FileNamePart(gRecent.Files[i]);
    std::snprintf(text, sizeof text, "&%d %.*s", i + 1, static_cast<int>(name.size()), name.data());
    AppendMenuA(file, MF_STRING, IDM_RECENT_FIRST + i, text);
  }
}
}  // namespace

void OnInitMenuPopup(HWND hwnd, HMENU popup, int position, bool systemMenu) {
  if (systemMenu) return;
  bool haveFile = gFile.Path[0] != '\0';
  if (position == 0) {
    CheckMenuItem(popup, IDM_IGNORE_DDE, MF_BYCOMMAND | (gApp.DdeState != kDdeRunning ? MF_CHECKED : MF_UNCHECKED));
    if (gSetupSettings.MruFiles) RebuildRecentFiles(popup);
    Enable(popup, IDM_CLOSE, haveFile);
  }
  Check(popup, IDM_ZOOM_IN, gView.ZoomLevel > 0);
  Check(popup, IDM_ZOOM_OUT, gView.ZoomLevel < 0);
  Check(popup, IDM_ALWAYS_ON_TOP, gView.AlwaysOnTop);
  (void)hwnd;
  for (int id : kUnbuilt) Enable(popup, id, false);
}
