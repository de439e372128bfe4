#include "shell/app/type_menu.h"

#include <cstdio>
#include <cstring>

#include "common/text_copy.h"
#include "shell/app/shell_state.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"

namespace {

struct MenuFlags {
  const char* Menu;
  bool Find, Goto, Print;
  int ZoomMin, ZoomMax;
  int FileListPos;
  int PageMenuPos;  // -1: unchanged
  UINT ViewItem;
};

// One row per menu; the menu of a type comes from the viewer table.
constexpr MenuFlags kMenuFlags[] = {
    {"ZRViewMenu", true, false, true, 301, 305, 5, -1, CMD_ASCII},
    {"ZRHexMenu", true, true, false, 301, 301, 4, -1, CMD_HEX},
    {"ZRBitmapMenu", false, false, true, 299, 305, 6, 7, CMD_VIEWER},
    {"ZRGraphMenu", false, false, true, 299, 305, 5, 6, CMD_VIEWER},
    {"ZRWPMenu", true, false, true, 301, 305, 5, -1, CMD_VIEWER},
    {"ZRGRIDMenu", true, true, true, 301, 305, 5, -1, CMD_VIEWER},
    {"ZRSPREADMenu", true, true, true, 301, 305, 5, 6, CMD_VIEWER},
    {"ZRWavMenu", false, false, false, 301, 301, 4, -1, CMD_VIEWER},
};

const MenuFlags* FlagsOf(const char* menu) {
  for (const MenuFlags& row : kMenuFlags) {
    if (std::strcmp(row.Menu, menu) == 0) return &row;
  }
  return nullptr;
}

void FillFileList(HMENU popup, const ViewerRecord* record) {
  for (int i = 0; i < record->FileCount && i < kMaxListFiles; ++i) {
    char text[300];
    std::snprintf(text, sizeof text, "%2d %.*s", i + 1, kListPathChars,
                  FileNamePart(record->Files[i]).data());
    AppendMenuA(popup, MF_STRING, CMD_FILE_ENTRY + i, text);
  }
}

}  // namespace

void SelectTypeMenu(HWND window, ViewerRecord* record) {
  record->EditAvailable = false;
  int type = record->Type;
  if (type < 0 || type >= kViewerTypeCount || !ViewerTable[type].Menu) return;
  const MenuFlags* flags = FlagsOf(ViewerTable[type].Menu);
  HMENU menu = LoadMenuA(ShellState.instance, ViewerTable[type].Menu);
  if (!flags || !menu) return;
  HMENU old = GetMenu(window);
  SetMenu(window, menu);
  if (old) DestroyMenu(old);
  record->EditAvailable = type == kTypeText || type == kTypeRichText;
  record->FindEnabled = flags->Find;
  record->GotoEnabled = flags->Goto;
  record->PrintEnabled = flags->Print;
  record->ZoomMin = flags->ZoomMin;
  record->ZoomMax = flags->ZoomMax;
  record->FileListMenuPos = flags->FileListPos;
  if (flags->PageMenuPos >= 0) record->PageMenuPos = flags->PageMenuPos;
  HMENU view = GetSubMenu(menu, kViewPopup);
  for (UINT item : {CMD_ASCII, CMD_HEX, CMD_VIEWER, CMD_EDIT}) {
    CheckMenuItem(view, item, MF_BYCOMMAND | (item == flags->ViewItem ? MF_CHECKED : MF_UNCHECKED));
  }
  FillFileList(GetSubMenu(menu, record->FileListMenuPos), record);
}
