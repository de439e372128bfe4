#include "shell/app/viewer_command.h"

#include "shell/app/about_box.h"
#include "shell/app/arrange_windows.h"
#include "shell/app/file_commands.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/view_commands.h"
#include "shell/app/viewer_windows.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

LRESULT SendToChild(const ViewerRecord* record, UINT message, WPARAM wParam = 0,
                    LPARAM lParam = 0) {
  return record->Child ? SendMessageA(record->Child, message, wParam, lParam) : 0;
}

void StepThroughList(HWND window, ViewerRecord* record, int step) {
  if (record->FileCount < 2) return;
  int next = (record->CurrentIndex + step + record->FileCount) % record->FileCount;
  OpenListEntry(window, next, true);
}

void ShowHelp(HWND window, int command) {
  if (command == CMD_HELP_INDEX) {
    WinHelpA(window, ShellState.HelpFile, HELP_INDEX, 0);
  } else {
    WinHelpA(window, ShellState.HelpFile, HELP_CONTEXT, command == CMD_WHAT_IS ? 200 : 210);
  }
}

}  // namespace

void ViewerCommand(HWND window, int command, int code) {
  ViewerRecord* record = RecordOf(window);
  if (!record) return;
  if (command >= CMD_FILE_ENTRY && command < CMD_FILE_ENTRY + kMaxListFiles) {
    if (command - CMD_FILE_ENTRY < record->FileCount) {
      OpenListEntry(window, command - CMD_FILE_ENTRY, true);
    }
    return;
  }
  if (command >= CMD_PAGE_FIRST) {
    SendToChild(record, ZV_SHOWPAGE, command - CMD_PAGE_FIRST);
    return;
  }
  if (command >= CMD_ZOOM_QUARTER && command <= CMD_ZOOM_5X) {
    SetZoom(window, record, command);
    return;
  }
  if (command >= CMD_CAD_FIRST && command <= CMD_CAD_LAST) {
    PostMessageA(record->Child, WM_COMMAND, command, static_cast<LPARAM>(code) << 16);
    return;
  }
  if (command >= CMD_FLIP && command <= CMD_ROTATE) {
    SendToChild(record, WM_COMMAND, command, 0);
    return;
  }
  switch (command) {
    case CMD_SELECT_ALL: SendToChild(record, ZV_SELECTALL); break;
    case CMD_COPY:
      if (record->HasSelection) SendToChild(record, ZV_COPY);
      break;
    case CMD_NEW_WINDOW: NewViewerWithList(record); break;
    case CMD_LAST: StepThroughList(window, record, -1); break;
    case CMD_NEXT: StepThroughList(window, record, +1); break;
    case CMD_PRINT:
      if (record->Type == kTypeText || record->Type == kTypeRichText) {
        SendToChild(record, ZV_PRINT, 0, 0);
      }
      break;
    case CMD_PLAY: SendToChild(record, ZV_PLAY); break;
    case CMD_ASCII: ShowAsText(window, record); break;
    case CMD_HEX: ShowAsHex(window, record); break;
    case CMD_VIEWER: ShowInOwnViewer(window, record); break;
    case CMD_EDIT: StartEditing(window, record); break;
    case CMD_EXIT: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case CMD_CLOSE_ALL: CloseAllViewers(); break;
    case CMD_CLOSE_SHELL: SendMessageA(ShellState.MainWindow, WM_CLOSE, 0, 0); break;
    case CMD_ZOOM_OUT:
      if (record->Zoom > record->ZoomMin) SetZoom(window, record, record->Zoom - 1);
      break;
    case CMD_ZOOM_IN:
      if (record->Zoom < record->ZoomMax) SetZoom(window, record, record->Zoom + 1);
      break;
    case CMD_CASCADE: CascadeViewers(); break;
    case CMD_TILE_HORIZONTALLY: TileViewers(TileDirection::Horizontal); break;
    case CMD_TILE_VERTICALLY: TileViewers(TileDirection::Vertical); break;
    case CMD_OPEN: OpenWithDialog(window, record); break;
    case CMD_SAVE_AS:
      if (record->Type == kTypeText || record->Type == kTypeRichText) {
        SaveTextAs(record, record->Files[record->CurrentIndex]);
      }
      break;
    case CMD_ABOUT: ShowAboutBox(ShellState.MainWindow); break;
    case CMD_WORD_WRAP: ToggleWordWrap(window, record); break;
    case CMD_HELP_INDEX:
    case CMD_WHAT_IS:
    case CMD_HOW_TO_USE: ShowHelp(window, command); break;
    default: break;  // the commands of features still to come do nothing
  }
}
