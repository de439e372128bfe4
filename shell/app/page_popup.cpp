#include "shell/app/page_popup.h"

#include <cstdio>
#include <string>

#include "shell/app/shell_state.h"
#include "shell/resources/shell_ids.h"

void RebuildPagePopup(HWND window, const ViewerRecord* record, WPARAM pages, int marked) {
  HMENU menu = GetMenu(window);
  HMENU popup = GetSubMenu(menu, record->PageMenuPos);
  if (!popup) return;
  if (pages <= 1) {
    DeleteMenu(menu, record->PageMenuPos, MF_BYPOSITION);
  } else {
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    std::string format = ShellString(IDS_PAGE_ITEM);
    for (WPARAM page = 0; page < pages; ++page) {
      char text[32];
      std::snprintf(text, sizeof text, format.c_str(), static_cast<int>(page + 1));
      AppendMenuA(popup, MF_STRING, CMD_PAGE_FIRST + page, text);
    }
    CheckMenuItem(popup, marked, MF_BYPOSITION | MF_CHECKED);
  }
  DrawMenuBar(window);
}
