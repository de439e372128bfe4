// Enabling, checking and the recent-files entries of the main menu, set each
// time a pop-up opens.
#include "viewer/app/menu_state.h"

#include <string>

#include "common/file_name_forms.h"
#include "common/text_copy.h"
#include "viewer/app/command_table.h"
#include "viewer/app/main_window.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"
#include "win32/file_names_win32.h"

namespace {
HMENU gPopups[POPUP_COUNT] = {};

void Enable(HMENU menu, int id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}
void Check(HMENU menu, int id, bool on) {
  CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void RebuildRecentFiles(HMENU file) {
  for (int id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) DeleteMenu(file, id, MF_BYCOMMAND);
  for (int i = 0; i < kRecentFileSlots && gRecent.Files[i][0]; ++i) {
    const std::string text = "&" + std::to_string(i + 1) + " " + ShownNamePart(gRecent.Files[i]);
    AppendMenuText(file, MF_STRING, IDM_RECENT_FIRST + i, text.c_str());
  }
}
}  // namespace

void RememberMenuPopups(HMENU bar) {
  for (int i = 0; i < POPUP_COUNT; ++i) gPopups[i] = GetSubMenu(bar, i);
}

void OnInitMenuPopup(HWND hwnd, HMENU popup, int position, bool systemMenu) {
  (void)hwnd;
  (void)position;
  if (systemMenu) return;
  if (popup == gPopups[POPUP_FILE] && gSetupSettings.MruFiles) RebuildRecentFiles(popup);
  // Ids that are not in this pop-up are left alone by both calls.
  for (const CommandRow& row : CommandTable()) {
    Enable(popup, row.Id, CommandAvailable(row));
    if (row.Checked) Check(popup, row.Id, row.Checked());
  }
}
