#include "shell/app/font_command.h"

#include "shell/app/shell_state.h"
#include "viewers/contract/viewer_messages.h"

void ChooseSharedFont(const ViewerRecord* record) {
  CHOOSEFONTA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = record->Child;
  dialog.lpLogFont = &ShellState.SharedFont;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&dialog)) return;
  ShellState.FontPoints = dialog.iPointSize / 10;
  for (int i = 0; i < ShellState.ViewerCount; ++i) {
    const ViewerRecord* viewer = RecordOf(ShellState.ViewerList[i]);
    if (viewer && viewer->Child) {
      SendMessageA(viewer->Child, ZV_FONT, 0, reinterpret_cast<LPARAM>(&ShellState.SharedFont));
    }
  }
}
