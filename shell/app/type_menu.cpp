#include "shell/app/type_menu.h"

#include <cstdio>
#include <string>

#include "common/file_name_forms.h"
#include "common/text_copy.h"
#include "shell/app/shell_state.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "win32/file_names_win32.h"

namespace {

void FillFileList(HMENU popup, const ViewerRecord* record) {
  for (int i = 0; i < record->FileCount && i < kMaxListFiles; ++i) {
    char text[300];
    std::snprintf(text, sizeof text, "%2d %.*s", i + 1, kListPathChars,
                  ShownNamePart(record->Files[i]).c_str());
    AppendMenuText(popup, MF_STRING, CMD_FILE_ENTRY + i, text);
  }
}

}  // namespace

void SelectTypeMenu(HWND window, ViewerRecord* record) {
  record->EditAvailable = false;
  const ViewerRow& row = RowOfType(record->Type);
  if (!row.Menu->Name) return;
  HMENU menu = LoadMenuA(ShellState.instance, row.Menu->Name);
  if (!menu) return;
  HMENU old = GetMenu(window);
  SetMenu(window, menu);
  if (old) DestroyMenu(old);
  record->EditAvailable = row.ShowsText;
  record->FileListMenuPos = row.Menu->FileListPos;
  if (row.Menu->PageMenuPos >= 0) record->PageMenuPos = row.Menu->PageMenuPos;
  FillFileList(GetSubMenu(menu, record->FileListMenuPos), record);
}
