// Enabling, checking and the recent-files entries of the main menu, set each
// time a pop-up opens.
#include "viewer/app/menu_state.h"

#include <cstdio>

#include "viewer/app/app_state.h"
#include "viewer/app/main_window.h"
#include "viewer/app/view_state.h"
#include "common/text_copy.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"

namespace {
HMENU gPopups[POPUP_COUNT] = {};

// Commands whose subsystem is not part of this build yet: always greyed.
constexpr int kUnbuilt[] = {
    IDM_PRINT,        IDM_PRINT_PAGE, IDM_PRINT_TAGS, IDM_PAGE_SETUP, IDM_PRINT_SETUP,
    IDM_IGNORE_DDE,   IDM_GOTO,       IDM_OPTIONS,    IDM_FONT,       IDM_COLOR,
    IDM_SAVE_OPTIONS, IDM_SAVE_SETUP, IDM_LOAD_SETUP,
};

void Enable(HMENU menu, int id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}
void Check(HMENU menu, int id, bool on) {
  CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void RebuildRecentFiles(HMENU file) {
  for (int id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
  for (int i = 0; i < kRecentFileSlots && gRecent.Files[i][0]; ++i) {
    char text[kRecentFileSlotSize + 8];
    std::string_view name = FileNamePart(gRecent.Files[i]);
    std::snprintf(text, sizeof text, "&%d %.*s", i + 1, static_cast<int>(name.size()), name.data());
    AppendMenuA(file, MF_STRING, IDM_RECENT_FIRST + i, text);
  }
}

void SetFileMenu(HMENU m, bool haveFile) {
  Check(m, IDM_IGNORE_DDE, gApp.DdeState != kDdeRunning);
  if (gSetupSettings.MruFiles) RebuildRecentFiles(m);
  for (int id : {IDM_CLOSE, IDM_PRINT, IDM_PRINT_PAGE, IDM_PRINT_TAGS}) Enable(m, id, haveFile);
}

void SetViewMenu(HMENU m) {
  Check(m, IDM_ZOOM_IN, gView.ZoomLevel > 0);
  Check(m, IDM_ZOOM_OUT, gView.ZoomLevel < 0);
  Check(m, IDM_ALWAYS_ON_TOP, gView.AlwaysOnTop);
  Check(m, IDM_TEXT, gViewOptions.Format == FORMAT_TEXT);
  Check(m, IDM_HEX, gViewOptions.Format == FORMAT_HEX);
  Check(m, IDM_RAW, gViewOptions.Format == FORMAT_RAW);
  Check(m, IDM_WRAP, (gViewOptions.CurrentFlags & FMT_WRAP) != 0);
}
}  // namespace

void RememberMenuPopups(HMENU bar) {
  for (int i = 0; i < POPUP_COUNT; ++i) gPopups[i] = GetSubMenu(bar, i);
}

void OnInitMenuPopup(HWND hwnd, HMENU popup, int position, bool systemMenu) {
  (void)hwnd;
  (void)position;
  if (systemMenu) return;
  bool haveFile = gFile.Path[0] != '\0';
  if (popup == gPopups[POPUP_FILE]) {
    SetFileMenu(popup, haveFile);
  } else if (popup == gPopups[POPUP_EDIT]) {
    for (int id : {IDM_COPY, IDM_SELECT_ALL, IDM_UNSELECT, IDM_FIND_TEXT, IDM_FIND_HEX, IDM_GOTO})
      Enable(popup, id, haveFile);
  } else if (popup == gPopups[POPUP_VIEW]) {
    SetViewMenu(popup);
  } else if (popup == gPopups[POPUP_FORMAT]) {
    Enable(popup, IDM_SAVE_OPTIONS, !gSetupSettings.ProfileReadOnly);
    Enable(popup, IDM_SAVE_SETUP, !gSetupSettings.ProfileReadOnly);
  } else if (popup == gPopups[POPUP_MARK]) {
    for (int id : {IDM_MARK_TOGGLE, IDM_MARK_SET, IDM_MARK_RESET, IDM_UNMARK_ALL, IDM_MARK_NEXT,
                   IDM_FREEZE_TITLE, IDM_CLEAR_TITLE, IDM_FREEZE_COLUMNS, IDM_CLEAR_COLUMNS})
      Enable(popup, id, haveFile);
  }
  for (int id : kUnbuilt) Enable(popup, id, false);
}
